// Adding files to the project with the files they link to, and removing a
// file with the files that only it needs.
#include "editor/project_names.h"
#include "editor/project_page.h"
#include "lisp/file_links.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "platform/text_case.h"

namespace orv {

namespace {

constexpr std::string_view kFileSection = "file";

// Walks the set from its first member, appending the links of each member
// that has an entry in the files list.
void AddLinksOfMembers(const CheckListBox& files, NoCaseStringList& set) {
  for (size_t i = 0; i < set.size(); ++i) {
    int index = files.IndexOf(set[i]);
    if (index < 0 || !files.Links(index)) continue;
    for (const std::string& link : files.Links(index)->Links) set.AddUnique(link);
  }
}

}  // namespace

void ProjectPage::AddFilClick() {
  if (ProjectDirText().empty()) {
    ui_.messages.Show(MsgType::Warning, "Извините, но сначала надо выбрать название INI файла   ",
                      kOk);
    return;
  }
  FileDialogRequest request;
  request.kind = FileDialogRequest::Kind::Open;
  request.filter = "Программы (*.lsp)|*.lsp|Файлы иконок (*.bmp)|*.bmp|Все файлы (*.*)|*.*";
  request.initial_dir = ProjectDir();
  std::optional<std::filesystem::path> chosen = ui_.files.Run(request);
  if (!chosen) return;
  AddFilesWithLinks(*chosen);
  FilenameEdit1Change();
}

bool ProjectPage::AddFilesWithLinks(const std::filesystem::path& file) {
  const std::string path = PathToUtf8(file);
  if (ComparablePath(DirectoryPart(path)) != ComparablePath(ProjectDirText()) ||
      ComparablePath(path) == ComparablePath(FilenameEdit1)) {
    ui_.messages.Show(
        MsgType::Warning,
        "Извините, но Вы можете добавлять файлы только из каталога " + ProjectDirText() + "   ",
        kOk);
    return false;
  }
  dm_.SetProgressPosition(0);
  const std::filesystem::path project = ProjectPath();
  NoCaseStringList names{LowerCase(FileNamePart(path))};
  std::vector<std::string> links;
  // Names appended during the walk are walked too.
  for (size_t i = 0; i < names.size(); ++i) {
    const std::string name = names[i];
    dm_.SetProgressText("Анализ файла " + name);
    FindFileLinks(dm_, project, ProjectFile(name), links, RadioGroup1);
    for (const std::string& link : links) names.AddUnique(LowerCase(link));
  }
  {
    IniBatch batch;
    TIniFile ini(project);
    for (const std::string& name : names) ini.WriteString(kFileSection, name, "");
    // The description file lists itself last.
    const std::string own_name = LowerCase(FileNamePart(FilenameEdit1));
    ini.DeleteKey(kFileSection, own_name);
    ini.WriteString(kFileSection, own_name, "");
  }
  dm_.SetProgressText("Добавление файлов завершено");
  return true;
}

RemoveResult ProjectPage::DelFilClick() {
  if (RxCheckListFile.Empty()) return RemoveResult::Nothing;
  if (RxCheckListFile.ItemIndex() < 0) RxCheckListFile.SetItemIndex(RxCheckListFile.Count() - 1);
  const std::string selected = *RxCheckListFile.SelectedText();

  NoCaseStringList doomed{selected};
  AddLinksOfMembers(RxCheckListFile, doomed);
  NoCaseStringList kept;
  for (int i = 0; i < RxCheckListFile.Count(); ++i) {
    if (!doomed.Contains(RxCheckListFile.Text(i))) kept.Add(RxCheckListFile.Text(i));
  }
  AddLinksOfMembers(RxCheckListFile, kept);
  std::vector<std::string> removed;
  for (int i = 0; i < RxCheckListFile.Count(); ++i) {
    const std::string& name = RxCheckListFile.Text(i);
    if (doomed.Contains(name) && !kept.Contains(name)) removed.push_back(name);
  }

  RemoveResult result;
  if (removed.empty()) {
    ui_.messages.Show(MsgType::Warning,
                      "На выделенный Файл есть ссылки в других файлах. Удаление отменено! (файл "
                      "можно удалить в режиме отсутсвия авто-связей)",
                      kOk);
    dm_.SetProgressText("Удаление файлов отменено");
    result = RemoveResult::Refused;
  } else {
    std::string question = "Удалить файлы?  ";
    for (const std::string& name : removed) question += " " + name;
    question += "   ";
    if (ui_.messages.Show(MsgType::Warning, question, kOk | kCancel) != Answer::Ok) {
      dm_.SetProgressText("Удаление файлов отменено");
      result = RemoveResult::Cancelled;
    } else {
      {
        IniBatch batch;
        TIniFile ini(ProjectPath());
        for (const std::string& name : removed) ini.DeleteKey(kFileSection, name);
      }
      FilenameEdit1Change();
      dm_.SetProgressText("Удаление файлов завершено");
      result = RemoveResult::Removed;
    }
  }
  dm_.SetProgressPosition(dm_.Indicator().Maximum());
  return result;
}

}  // namespace orv
