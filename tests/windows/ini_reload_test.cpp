// An INI file that another program replaces is read anew, even when the new
// file has the old one's size and time stamp.
#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "platform/win32.h"
#include "support/test_support.h"

namespace orv::test {
namespace {

FILETIME WriteTimeOf(const std::filesystem::path& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
  return data.ftLastWriteTime;
}

void SetWriteTime(const std::filesystem::path& path, const FILETIME& time) {
  HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &time));
  CloseHandle(file);
}

TEST(IniReload, AFileReplacedWithTheSameSizeAndTimeIsReadAnew) {
  TempDir dir;
  WriteLines(dir / "Orvpak.set", {"[program]", "a=1"});
  TIniFile catalog(dir / "Orvpak.set");  // long-lived, as the main window's
  ASSERT_EQ(catalog.ReadString("program", "a"), "1");

  // Another program writes a new file and renames it over the old one.
  FILETIME old_time = WriteTimeOf(dir / "Orvpak.set");
  WriteLines(dir / "new.tmp", {"[program]", "a=2"});
  SetWriteTime(dir / "new.tmp", old_time);
  ASSERT_TRUE(MoveFileExW((dir / "new.tmp").c_str(), (dir / "Orvpak.set").c_str(),
                          MOVEFILE_REPLACE_EXISTING));
  EXPECT_EQ(catalog.ReadString("program", "a"), "2");
}

}  // namespace
}  // namespace orv::test
