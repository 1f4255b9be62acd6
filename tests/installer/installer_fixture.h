#pragma once
// A program directory with the installer's files, an AutoCAD registered in an
// in-memory registry, and scripted message boxes.
#include <filesystem>
#include <string>
#include <vector>

#include "installer/autocad_registration.h"
#include "installer/ok_bottom_dlg.h"
#include "platform/ini_file.h"
#include "platform/registry.h"
#include "platform/scripted_ui.h"
#include "support/test_support.h"

namespace orv::test {

inline constexpr char kRelease[] = "R15.0";
inline constexpr char kProduct[] = "ACAD-1:409";
inline constexpr char kProfile[] = "<<Unnamed Profile>>";
inline constexpr char kGeneralKey[] =
    "SOFTWARE\\Autodesk\\AutoCAD\\R15.0\\ACAD-1:409\\Profiles\\<<Unnamed Profile>>\\General";

// Registers an AutoCAD 2000 the way its set-up leaves the registry; the seeding
// writes are not kept in the log of writes.
inline void SeedAutoCad(MemoryRegistry& registry, const std::string& support_path,
                        const std::string& location = "C:\\ACAD2000") {
  registry.Write(RootKey::LocalMachine, "Software\\Autodesk\\AutoCAD", "CurVer", kRelease);
  registry.Write(RootKey::LocalMachine, "Software\\Autodesk\\AutoCAD\\R15.0", "CurVer", kProduct);
  registry.Write(RootKey::LocalMachine, "Software\\Autodesk\\AutoCAD\\R15.0\\ACAD-1:409",
                 "AcadLocation", location);
  registry.Write(RootKey::CurrentUser, "SOFTWARE\\Autodesk\\AutoCAD\\R15.0\\ACAD-1:409\\Profiles",
                 "", kProfile);
  registry.Write(RootKey::CurrentUser, kGeneralKey, "ACAD", support_path);
  registry.written.clear();
}

inline std::string SupportPath(MemoryRegistry& registry) {
  return registry.Read(RootKey::CurrentUser, kGeneralKey, "ACAD").value_or("<missing>");
}

class InstallerTest : public ::testing::Test {
 protected:
  InstallerTest() { registry.windows_dir = "C:\\LIB"; }

  std::filesystem::path Old() const { return dir / "Set_Param.dat"; }
  std::filesystem::path New() const { return dir / "Set_Param._at"; }
  std::string Read(const std::filesystem::path& file, std::string_view section,
                   std::string_view key) {
    return TIniFile(file).ReadString(section, key, "<missing>");
  }

  TempDir dir;
  ScriptedMessageBox messages;
  MemoryRegistry registry;
  TOKBottomDlg dlg{dir.path(), messages, registry};
};

}  // namespace orv::test
