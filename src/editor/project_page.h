#pragma once
// The project editor page "Менеджер файлов": an author turns a directory of
// LISP sources into a library description file (the project). The page holds
// the state of its controls and runs their handlers; every change reaches the
// project file at once, there is no separate save.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "editor/check_list.h"
#include "library/data_module.h"
#include "platform/commands.h"
#include "platform/dialogs.h"
#include "platform/tree_model.h"

namespace orv {

// What a removal came to.
enum class RemoveResult { Nothing, Refused, Cancelled, Removed };

class ProjectPage {
 public:
  // commands: the window's command table, whose project commands the page
  // switches; none for a page without a window.
  ProjectPage(TDataModule1& dm, UiServices ui, ImageList& images, CommandTable* commands = nullptr);
  ProjectPage(const ProjectPage&) = delete;
  ProjectPage& operator=(const ProjectPage&) = delete;

  // --- Controls -------------------------------------------------------------

  // FilenameEdit1 "Файл инсталяции библиотеки": the full path of the project.
  std::string FilenameEdit1;
  // The names of earlier projects, the latest first (the field's drop-down).
  std::vector<std::string> FilenameHistory;
  // The project name at the end of the last refresh.
  std::string LastProject;

  CheckListBox RxCheckListCom{true};  // "Программы проекта": defined names
  CheckListBox RxCheckListFile;       // "Файлы проекта": owns each file's links
  TreeModel TreeView1;                // "Меню проекта": the preview

  // "Авто связи": 0 "Нет", 1 "Прямые ссылки", 2 "Расширенный поиск".
  int RadioGroup1 = 0;
  bool CheckBoxProgAll = false;  // "Все программы"
  bool CheckBoxPreWiew = true;   // "Меню"

  // GroupBox6 "Опции программы".
  bool GroupBox6Enabled = false;
  std::string EditCom;      // "Команда": the section of the selected program
  std::string EditCaption;  // "Название"
  std::string EditMenu;     // "Субменю"
  bool CheckBox1 = false;  // "Использовать авто-сохранение настроек"
  bool CheckBox1Enabled = true;
  // The picture shown in Image1; empty for none.
  std::filesystem::path Image1;

  // --- The project ------------------------------------------------------------

  // The project file as found on disk (letter case ignored).
  std::filesystem::path ProjectPath() const;
  // The directory part of the project name with its closing separator.
  std::string ProjectDirText() const;
  std::filesystem::path ProjectDir() const;
  // A file of the project directory.
  std::filesystem::path ProjectFile(std::string_view name) const;

  // Puts a name into the project field; the change runs the refresh.
  void SetProjectName(std::string name);
  // The dialog of the project field's browse button, also shown by NevProgClick.
  FileDialogRequest ProjectDialogRequest() const;
  // The browse button: a chosen file becomes the project name.
  void FilenameEdit1ButtonClick();

  // --- Page and refresh -------------------------------------------------------

  void TabSheet2Show();
  // The project refresh: reloads everything from the project file. A LISP file
  // that cannot be read stops it with IoError.
  void FilenameEdit1Change();
  void CheckBoxProgAllClick();
  void CheckBoxPreWiewClick();
  void RadioGroup1Click();
  // Clears the preview and builds it from the project file.
  void RebuildPreview();

  // --- Adding and removing files ---------------------------------------------

  void AddFilClick();
  // Adds the file and, transitively, the files it links to. False when the
  // file was refused (outside the project directory, or the project itself).
  bool AddFilesWithLinks(const std::filesystem::path& file);
  RemoveResult DelFilClick();

  // --- Program properties and preview -----------------------------------------

  // The properties step for the selected program.
  void RxCheckListComClick();
  void SelectProgramNode();
  // The box of entry index was clicked; its mark is already toggled.
  void RxCheckListComClickCheck(int index);
  void CheckBox1Click();
  void EditCaptionExit();
  void EditMenuExit();
  // The box of the selected file was clicked; its mark is already toggled.
  void RxCheckListFileClickCheck();
  void TreeView1Click();

  // A click on a box as the list control delivers it: the entry is selected,
  // its mark toggled and the handler run.
  void ClickProgramCheck(int index);
  void ClickFileCheck(int index);
  // Writes the checked files that are not pictures into `file` of the program.
  void WriteCheckedFiles();

  // --- Project file tools --------------------------------------------------

  void NevProgClick();
  void ButtonOpimClick();
  void CopyINIClick();
  void CopyIniFileClick();

 private:
  bool ProjectNamed() const { return !FilenameEdit1.empty(); }
  void ShowProjectCommands();
  // Shows a picture in Image1; a picture that cannot be loaded is reported
  // and false returned.
  bool LoadPicture(const std::filesystem::path& file);
  void ShowMenuBitmap();
  void RememberProjectName();
  int FileIndexOf(std::string_view name) const { return RxCheckListFile.IndexOf(name); }

  TDataModule1& dm_;
  UiServices ui_;
  CommandTable* commands_;
};

}  // namespace orv
