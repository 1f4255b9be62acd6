#pragma once
// Registration of the library directory with AutoCAD 2000: the directory goes
// into the support file search path of the current profile, and temp.scr and
// temp.bat are written so that AutoCAD can be started with the menu loaded.
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace orv::installer {

inline constexpr std::string_view kAcadMachineKey = "Software\\Autodesk\\AutoCAD";
inline constexpr std::string_view kAcadUserKey = "SOFTWARE\\Autodesk\\AutoCAD\\";
inline constexpr std::string_view kCurVer = "CurVer";
inline constexpr std::string_view kAcadLocation = "AcadLocation";
inline constexpr std::string_view kSupportPathValue = "ACAD";

inline constexpr std::string_view kNoAutoCadText =
    "AutoCAD 2000 не зарегистрирован в системе: каталог библиотеки не добавлен в пути "
    "поддержки AutoCAD, файлы temp.scr и temp.bat не созданы. Установка настроек выполнена.";

// What AutoCAD records of its current release, product and profile.
struct AutoCadProfile {
  std::string release;       // R
  std::string product;       // P
  std::string location;      // L, the installation directory
  std::string profile;       // F
  std::string support_path;  // S

  // Every key path below is known only when all four names are.
  bool Registered() const;
  std::string ProductKey() const;  // HKEY_LOCAL_MACHINE
  std::string GeneralKey() const;  // HKEY_CURRENT_USER, where the support path lives
};

// Reads R, P and L under HKEY_LOCAL_MACHINE, then F and S under
// HKEY_CURRENT_USER, leaving the root there.
AutoCadProfile ReadAutoCadProfile(TRegIniFile& registry);

// Whether dir is one of the entries of a ";"-separated path, letter case and a
// trailing backslash ignored. A directory that is only a prefix of an entry
// (C:\LIB of C:\LIBRARY or C:\LIB\OLD) is not in the path.
bool SupportPathHasDirectory(std::string_view path, std::string_view dir);
// The path with dir appended unless it is there already.
std::string ExtendSupportPath(std::string_view path, std::string_view dir);

// The script line that loads the menu: backslashes doubled for AutoLISP.
std::string MenuLoadScriptLine(std::string_view dir, std::string_view menu_name);
// The batch line that starts AutoCAD with the script.
std::string AcadStartBatchLine(std::string_view acad_location, std::string_view dir);

enum class Registration { Done, NoAutoCad };

// Registers program_dir (seen by AutoCAD as registry.WindowsPathOf) for the
// menu menu_name. Without a registered AutoCAD nothing is written. Raises
// RegistryError or IoError when the registry or a file cannot be written.
Registration RegisterWithAutoCad(const std::filesystem::path& program_dir,
                                 std::string_view menu_name, RegistryStore& registry);

}  // namespace orv::installer
