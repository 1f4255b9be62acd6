#include "library/full_revision.h"

#include <system_error>

#include "library/catalog_rebuild.h"
#include "library/comma_list.h"
#include "library/library_file_name.h"
#include "library/settings.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "platform/text_case.h"

namespace orv {

FullRevisionKeepList::FullRevisionKeepList(const std::filesystem::path& program_dir,
                                           const std::filesystem::path& catalog)
    : program_dir_(program_dir) {
  for (std::string& name : TIniFile(catalog).ReadSection("file")) listed_.insert(std::move(name));
  SettingsFile settings(program_dir);
  std::string own_files = settings.FilePlus() +
                          ",Set_Param.dat,orvpak.mtt,set_out.lsp,set_err.lsp," +
                          std::string(kMainProgramFileName) + "," + settings.MenuBmp();
  for (const std::string& name : SplitCommaList(own_files)) own_.insert(LowerCase(name));
  std::error_code ec;
  running_program_ = std::filesystem::canonical(RunningProgramFile(), ec);
}

bool FullRevisionKeepList::Keeps(std::string_view file_name) const {
  if (listed_.count(std::string(file_name)) || own_.count(LowerCase(file_name))) return true;
  std::error_code ec;
  return !running_program_.empty() &&
         std::filesystem::equivalent(program_dir_ / PathFromUtf8(file_name), running_program_, ec);
}

namespace {

// Removes the entry exactly as the directory lists it: on this system a name
// may hold a backslash, which the name resolution would take as a separator.
void DeleteListedFile(const std::filesystem::path& dir, std::string_view name) {
  std::filesystem::path path = dir / PathFromUtf8(name);
  std::error_code ec;
  std::filesystem::remove(path, ec);
  ForgetIniFile(path);
}

bool LibraryIncomplete(const std::filesystem::path& program_dir,
                       const std::filesystem::path& description) {
  for (const std::string& file : TIniFile(description).ReadSection("file")) {
    // A name outside the directory is no file of the installation.
    if (NameEscapesDirectory(file)) continue;
    if (!FileExists(JoinPath(program_dir, file))) return true;
  }
  return false;
}

}  // namespace

int FullRevisionSteps(TDataModule1& dm, const std::filesystem::path& catalog, bool pass) {
  const std::filesystem::path& dir = dm.ProgramDir();
  int result = 0;

  if (pass) dm.SetProgressText("Идет и удаление неполных библиотек");
  for (const std::string& name : ListDirectory(dir, "*.ini")) {
    if (!pass) {
      ++result;
      continue;
    }
    if (LibraryIncomplete(dir, dir / PathFromUtf8(name))) DeleteListedFile(dir, name);
    dm.AdvanceProgress();
  }

  if (pass) dm.SetProgressText("Идет обновление информации по INI файлам");
  result += RebuildCatalog(dm, catalog, pass);

  if (pass) dm.SetProgressText("Идет удаление не зарегистрированных файлов");
  std::vector<std::string> files = ListDirectory(dir, "*");
  if (!pass) return result + static_cast<int>(files.size());
  FullRevisionKeepList keep(dir, catalog);
  for (const std::string& name : files) {
    if (!keep.Keeps(name)) DeleteListedFile(dir, name);
    dm.AdvanceProgress();
  }
  return 0;
}

}  // namespace orv
