#include "editor/project_tools.h"

#include "editor/project_names.h"
#include "library/distribution.h"
#include "library/submenu_path.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "platform/text_case.h"

namespace orv {

namespace {

// Copies a key when the old file has a value for it.
void KeepIfSet(const TIniFile& from, TIniFile& to, std::string_view section, std::string_view key) {
  std::string value = from.ReadString(section, key);
  if (!value.empty()) to.WriteString(section, key, value);
}

}  // namespace

std::filesystem::path BackupPathOf(const std::filesystem::path& project) {
  return PathFromUtf8(ChangeExtension(PathToUtf8(project), "._ni"));
}

bool OptimiseDescriptionFile(const std::filesystem::path& project) {
  const std::filesystem::path backup = BackupPathOf(project);
  if (FileExists(backup)) DeleteFile(backup);
  // Reading a stale backup into the project would overwrite newer values.
  if (!RenameFile(project, backup)) return false;

  IniBatch batch;
  const TIniFile old(backup);
  TIniFile ini(project);
  for (const std::string& key : old.ReadSection("file")) ini.WriteString("file", key, "");
  for (auto& [name, order] : old.ReadSectionPairs("program")) {
    ini.WriteString("program", name, order);
    for (std::string_view key : {"bmp", "caption", "file"}) {
      ini.WriteString(name, key, old.ReadString(name, key));
    }
    const std::string submenu = old.ReadString(name, "submenu");
    if (!submenu.empty()) {
      ini.WriteString(name, "submenu", submenu);
      for (int k = 1, levels = PathLevelCount(submenu); k <= levels; ++k) {
        KeepIfSet(old, ini, PathPrefix(submenu, k), "bmp");
      }
    }
    KeepIfSet(old, ini, name, "save");
    KeepIfSet(old, ini, name, "No_Install");
    // The link search reads it; losing it would lose the author's hints.
    KeepIfSet(old, ini, name, "program");
  }
  // The catalog rebuild takes the library's image menu from here.
  for (auto& [key, value] : old.ReadSectionPairs("menu_image")) {
    ini.WriteString("menu_image", key, value);
  }
  return true;
}

void ExportDescriptionFile(const std::filesystem::path& project,
                           const std::filesystem::path& other) {
  IniBatch batch;
  TIniFile ini(project);
  const TIniFile source(other);
  for (const std::string& section : source.ReadSections()) {
    for (auto& [key, value] : source.ReadSectionPairs(section)) {
      // Description file names stay behind: the project lists only itself.
      size_t dot = key.rfind('.');
      if (dot != std::string::npos && LowerCase(key.substr(dot)) == ".ini") continue;
      ini.WriteString(section, key, value);
    }
  }
}

void CopyLibrary(TDataModule1& dm, IMessageBox& messages, const std::filesystem::path& project,
                 const std::filesystem::path& target) {
  const std::string old_name = FileNameOf(project);
  const std::filesystem::path copied = target.parent_path() / PathFromUtf8(old_name);
  // Compared with one kind of separator: on Windows a chosen path may mix them.
  if (FileExists(target) && LowerCase(PathToUtf8(target.lexically_normal())) !=
                                LowerCase(PathToUtf8(copied.lexically_normal()))) {
    DeleteFile(target);
  }
  CopyLibraryFiles(dm, messages, target, project, true);
  if (FileExists(copied)) {
    RenameFile(copied, target);
  } else {
    // A project that does not list itself would otherwise leave a copy
    // without its programs.
    CopyFile(project, target);
  }
  TIniFile ini(target);
  ini.DeleteKey("file", old_name);
  ini.WriteString("file", LowerCase(FileNameOf(target)), "");
}

}  // namespace orv
