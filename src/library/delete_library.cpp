#include "library/delete_library.h"

#include <system_error>

#include "library/library_file_name.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"

namespace orv {

int DeleteLibraryFiles(TDataModule1& dm, const std::filesystem::path& catalog,
                       const std::filesystem::path& description, bool pass) {
  std::vector<std::string> files = TIniFile(description).ReadSection("file");
  if (!pass) {
    dm.AdvanceProgress();
    return static_cast<int>(files.size());
  }
  const std::string own_name = FileNameOf(description);
  TIniFile catalog_ini(catalog);
  for (const std::string& file : files) {
    dm.SetProgressText("Идет удаление файлов");
    if (!NameEscapesDirectory(file) && catalog_ini.ReadString("file", file) == own_name) {
      DeleteFile(JoinPath(dm.ProgramDir(), file));
    }
    dm.AdvanceProgress();
  }
  // The description as found, exactly: a name that differs only in letter case
  // belongs to another library.
  std::error_code ec;
  if (std::filesystem::is_regular_file(description, ec)) {
    std::filesystem::remove(description, ec);
    ForgetIniFile(description);
  }
  return 0;
}

}  // namespace orv
