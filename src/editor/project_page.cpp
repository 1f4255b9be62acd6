#include "editor/project_page.h"

#include <algorithm>

#include "editor/project_names.h"
#include "library/menu_tree.h"
#include "library/settings.h"
#include "lisp/file_links.h"
#include "lisp/lisp_reader.h"
#include "lisp/lisp_scanner.h"
#include "platform/bitmap.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "platform/text_case.h"

namespace orv {

namespace {

constexpr size_t kHistoryLength = 10;

// The commands that only make sense with a project named.
constexpr std::string_view kProjectCommands[] = {"AddFil", "ButtonOpim", "CopyINI", "CopyIniFile",
                                                 "DelFil"};

}  // namespace

ProjectPage::ProjectPage(TDataModule1& dm, UiServices ui, ImageList& images, CommandTable* commands)
    : TreeView1(&images), dm_(dm), ui_(ui), commands_(commands) {}

std::filesystem::path ProjectPage::ProjectPath() const {
  if (FilenameEdit1.empty()) return {};
  return ResolvePath(PathFromUtf8(FilenameEdit1));
}

std::string ProjectPage::ProjectDirText() const {
  return DirectoryPart(FilenameEdit1);
}

std::filesystem::path ProjectPage::ProjectDir() const {
  return PathFromUtf8(ProjectDirText());
}

std::filesystem::path ProjectPage::ProjectFile(std::string_view name) const {
  return ResolveFile(ProjectDir(), name);
}

void ProjectPage::SetProjectName(std::string name) {
  FilenameEdit1 = std::move(name);
  FilenameEdit1Change();
}

FileDialogRequest ProjectPage::ProjectDialogRequest() const {
  FileDialogRequest request;
  request.kind = FileDialogRequest::Kind::Open;
  request.title = "Проект";
  request.default_ext = "ini";
  request.filter = "Файлы инсталяции (*.ini)|*.ini|На основание любого файла (*.*)|*.*";
  request.initial_dir = ProjectDir();
  request.file_name = FileNamePart(FilenameEdit1);
  request.may_create = true;
  return request;
}

void ProjectPage::FilenameEdit1ButtonClick() {
  if (std::optional<std::filesystem::path> chosen = ui_.files.Run(ProjectDialogRequest())) {
    SetProjectName(PathToUtf8(*chosen));
  }
}

void ProjectPage::ShowProjectCommands() {
  if (!commands_) return;
  Command& open = commands_->Get("NevProg");
  open.enabled = true;
  open.button_visible = true;
  for (std::string_view name : kProjectCommands) {
    Command& command = commands_->Get(std::string(name));
    command.enabled = ProjectNamed();
    command.button_visible = true;
  }
  commands_->Touch();
}

void ProjectPage::TabSheet2Show() {
  ShowProjectCommands();
  GroupBox6Enabled = ProjectNamed();
  if (RxCheckListCom.Empty()) {
    EditCom.clear();
    EditCaption.clear();
    EditMenu.clear();
  } else {
    RxCheckListCom.SetItemIndex(0);
  }
  RebuildPreview();
}

void ProjectPage::RebuildPreview() {
  ClearMenuTree(TreeView1, dm_.ProgramDir());
  if (FilenameEdit1.empty()) {
    // No file to read: the root alone, with an empty text.
    TreeView1.Add(nullptr, std::string());
    return;
  }
  BuildMenuTree(TreeView1, ProjectPath(), FilenameEdit1);
}

void ProjectPage::FilenameEdit1Change() {
  if (!FilenameEdit1.empty() && LowerCase(ExtensionPart(FilenameEdit1)) != ".ini") {
    FilenameEdit1 = ChangeExtension(FilenameEdit1, ".ini");
  }
  dm_.SetProgressPosition(0);
  const std::filesystem::path project = ProjectPath();
  std::vector<std::string> keys;
  if (!project.empty()) keys = TIniFile(project).ReadSection("file");
  dm_.Indicator().SetMaximum(static_cast<int>(keys.size()));

  const bool moved = ComparablePath(DirectoryPart(LastProject)) != ComparablePath(ProjectDirText());
  for (int i = 0; i < RxCheckListFile.Count();) {
    const std::string& entry = RxCheckListFile.Text(i);
    bool listed = std::any_of(keys.begin(), keys.end(),
                              [&](const std::string& key) { return EqualsNoCase(key, entry); });
    if (moved || !listed) {
      dm_.SetProgressText("Удаляю, из списка, файл " + entry);
      RxCheckListFile.Delete(i);
    } else {
      ++i;
    }
  }

  const std::string own_name = LowerCase(FileNamePart(FilenameEdit1));
  std::vector<std::string> work;
  for (size_t j = 0; j < keys.size(); ++j) {
    const std::string& key = keys[j];
    dm_.SetProgressPosition(static_cast<int>(j));
    dm_.SetProgressText("Анализ файла " + key);
    if (LowerCase(key) == own_name || FileIndexOf(key) >= 0) continue;
    int index = RxCheckListFile.Add(LowerCase(key), std::make_unique<TDblStringList>());
    TDblStringList& analysis = *RxCheckListFile.Links(index);
    const std::filesystem::path file = ProjectFile(key);
    FindFileLinks(dm_, project, file, work, RadioGroup1);
    for (const std::string& link : work) analysis.Links.AddUnique(link);
    work.clear();
    if (LowerCase(ExtensionPart(key)) == ".lsp") {
      ReadLispFile(dm_, file);
      FindDefuns(dm_, work);
      for (const std::string& name : work) analysis.Definitions.AddUnique(name);
    }
  }
  dm_.SetProgressPosition(dm_.Indicator().Maximum());

  CheckBoxProgAllClick();
  LastProject = FilenameEdit1;
  RememberProjectName();
  TabSheet2Show();
  RxCheckListComClick();
}

void ProjectPage::RememberProjectName() {
  if (FilenameEdit1.empty()) return;
  std::erase_if(FilenameHistory,
                [&](const std::string& name) { return EqualsNoCase(name, FilenameEdit1); });
  FilenameHistory.insert(FilenameHistory.begin(), FilenameEdit1);
  if (FilenameHistory.size() > kHistoryLength) FilenameHistory.resize(kHistoryLength);
}

void ProjectPage::CheckBoxProgAllClick() {
  RxCheckListCom.Clear();
  std::vector<std::string> registered;
  if (ProjectNamed()) registered = TIniFile(ProjectPath()).ReadSection("program");
  auto is_registered = [&](std::string_view defined_name) {
    std::string section = SectionNameOf(defined_name);
    return std::any_of(registered.begin(), registered.end(),
                       [&](const std::string& key) { return EqualsNoCase(key, section); });
  };
  std::vector<std::string> offered;
  for (int i = 0; i < RxCheckListFile.Count(); ++i) {
    const TDblStringList* analysis = RxCheckListFile.Links(i);
    if (!analysis) continue;
    for (const std::string& name : analysis->Definitions) {
      if (CheckBoxProgAll || IsCommandName(name) || is_registered(name)) {
        offered.push_back(LowerCase(name));
      }
    }
  }
  RxCheckListCom.AddStrings(std::move(offered));
  for (int i = 0; i < RxCheckListCom.Count(); ++i) {
    RxCheckListCom.SetChecked(i, is_registered(RxCheckListCom.Text(i)));
  }
}

void ProjectPage::CheckBoxPreWiewClick() {
  TreeView1.SetVisible(CheckBoxPreWiew);
  if (CheckBoxPreWiew) TreeView1.SetFocus();
}

void ProjectPage::RadioGroup1Click() {
  // Every file is analysed again with the new mode.
  RxCheckListFile.Clear();
  FilenameEdit1Change();
}

bool ProjectPage::LoadPicture(const std::filesystem::path& file) {
  if (!IsReadableBitmap(file)) {
    ui_.messages.Show(MsgType::Error, "Не удается загрузить рисунок " + PathToUtf8(file), kOk);
    return false;
  }
  Image1 = file;
  return true;
}

void ProjectPage::ShowMenuBitmap() {
  // The menu bitmap stands in for a missing picture; when it is missing
  // itself the frame stays empty rather than stopping every selection.
  std::filesystem::path menu_bitmap =
      ResolveFile(dm_.ProgramDir(), SettingsFile(dm_.ProgramDir()).MenuBmp());
  Image1 = IsReadableBitmap(menu_bitmap) ? menu_bitmap : std::filesystem::path();
}

}  // namespace orv
