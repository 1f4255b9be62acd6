#pragma once
// TMainForm: the main window of Orvek_Pak without a window system. It holds
// the state of every control and every handler; the Qt view renders it and
// forwards the user's events to the handlers.
#include <filesystem>
#include <string>

#include "app/add_library_form.h"
#include "app/options_page.h"
#include "app/params_page.h"
#include "editor/project_page.h"
#include "library/data_module.h"
#include "platform/commands.h"
#include "platform/dialogs.h"
#include "platform/ini_file.h"
#include "platform/progress_indicator.h"
#include "platform/tree_model.h"

namespace orv {

inline constexpr std::string_view kMainCaption = "Вельтран для AutoCad2000";
inline constexpr std::string_view kHelpFileName = "Orvpak.hlp";
inline constexpr std::string_view kHelpTopic = "hlp_Orvpak";
inline constexpr std::string_view kTempBatName = "temp.bat";

enum class Page { Menu = 0, Project = 1, Params = 2, Options = 3 };

class TMainForm {
 public:
  TMainForm(std::filesystem::path program_dir, UiServices ui);
  ~TMainForm();
  TMainForm(const TMainForm&) = delete;
  TMainForm& operator=(const TMainForm&) = delete;

  // Runs the creation steps. False when the first-run sequence ran instead:
  // the program then ends at once with exit code 0 and shows no window.
  bool Create();

  const std::filesystem::path& ProgramDir() const { return program_dir_; }
  UiServices& Ui() { return ui_; }

  // Pages of PageControl1.
  Page ActivePage() const { return active_page_; }
  // Selects a page: the page left gets its hide event, the new one its show event.
  void SetActivePage(Page page);
  void TabSheet1Show();
  void TabSheet2Show();
  void TabSheet3Show();
  void TabSheet3Hide();
  void TabSheet4Show();

  // Library commands of the first page.
  void FileOpen1Execute();  // "Добавить в библиотеку"
  void DeleteLibClick();
  void RevClick();
  void FullRevClick();
  void MoveUp_1Click();
  void MoveDown_1Click();
  void SaveMClick();

  // Project commands of the "Файл" menu, run by the project page.
  void NevProgClick() { Project.NevProgClick(); }
  void AddFilClick() { Project.AddFilClick(); }
  void DelFilClick() { Project.DelFilClick(); }
  void ButtonOpimClick() { Project.ButtonOpimClick(); }
  void CopyINIClick() { Project.CopyINIClick(); }
  void CopyIniFileClick() { Project.CopyIniFileClick(); }

  // "Выход": closes the window, which runs the close handler first.
  void FileExitItemClick();
  // The close handler; the window closes whatever is answered.
  void FormClose();
  bool Closed() const { return closed_; }
  void HlpClick();

  // Rebuilds Outline1 from the catalog under Menu_Name -> Menu_Сaption.
  void ReloadMenuTree();

  ProgressIndicator agProgress1;
  TDataModule1 DataModule1;
  CommandTable Commands;
  ImageList ImageList1;  // shared by Outline1 and the project preview
  TreeModel Outline1;
  ProjectPage Project;
  OptionsPage Options;
  ParamsPage Params;
  TForm1 Form1;  // the add-to-library dialog, kept for the whole run
  // The catalog object that lives as long as the window.
  TIniFile Catalog;
  std::filesystem::path HelpFile;

 private:
  void RunFirstRunSequence();

  std::filesystem::path program_dir_;
  UiServices ui_;
  Page active_page_ = Page::Menu;
  bool closed_ = false;
};

}  // namespace orv
