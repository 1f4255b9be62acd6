// The commands of the "Файл" menu that act on the whole project: open or
// create, optimise, export and copy.
#include "editor/project_names.h"
#include "editor/project_page.h"
#include "editor/project_tools.h"
#include "platform/file_system.h"

namespace orv {

namespace {

constexpr std::string_view kDescriptionFilter = "Файлы инсталяции|*.ini";

}  // namespace

void ProjectPage::NevProgClick() {
  std::optional<std::filesystem::path> chosen = ui_.files.Run(ProjectDialogRequest());
  // A cancelled dialog still holds the name it was opened with.
  const std::string dialog_name = chosen ? PathToUtf8(*chosen) : FilenameEdit1;
  if (chosen) SetProjectName(dialog_name);
  // A file that is not a description file names a new project and goes into it.
  if (FilenameEdit1 != dialog_name) AddFilesWithLinks(PathFromUtf8(dialog_name));
  FilenameEdit1Change();
  TabSheet2Show();
}

void ProjectPage::ButtonOpimClick() {
  if (!ProjectNamed()) return;
  OptimiseDescriptionFile(ProjectPath());
  RebuildPreview();
}

void ProjectPage::CopyINIClick() {
  if (!ProjectNamed()) return;
  FileDialogRequest request;
  request.kind = FileDialogRequest::Kind::Save;
  request.title = "Выберите каталог и название для проекта";
  request.default_ext = "INI";
  request.filter = kDescriptionFilter;
  request.initial_dir = ProjectDir();
  request.file_name = FileNamePart(FilenameEdit1);
  std::optional<std::filesystem::path> chosen = ui_.files.Run(request);
  if (!chosen) return;
  CopyLibrary(dm_, ui_.messages, ProjectPath(), *chosen);
  // The copy becomes the open project.
  SetProjectName(PathToUtf8(*chosen));
}

void ProjectPage::CopyIniFileClick() {
  if (!ProjectNamed()) return;
  FileDialogRequest request;
  request.kind = FileDialogRequest::Kind::Open;
  request.title = "Выберите новое название для проекта";
  request.default_ext = "INI";
  request.filter = kDescriptionFilter;
  request.initial_dir = ProjectDir();
  std::optional<std::filesystem::path> chosen = ui_.files.Run(request);
  if (!chosen) return;
  ExportDescriptionFile(ProjectPath(), *chosen);
  FilenameEdit1Change();
}

}  // namespace orv
