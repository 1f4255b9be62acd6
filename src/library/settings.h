#pragma once
// The settings file Set_Param.dat of the program directory: section Setup for
// the program, section Set_out for the output parameters of the LISP programs.
// Every reader uses the same defaults, in both programs.
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/ini_file.h"

namespace orv {

namespace settings {
inline constexpr std::string_view kFileName = "Set_Param.dat";
inline constexpr std::string_view kSetup = "Setup";
inline constexpr std::string_view kSetOut = "Set_out";
inline constexpr std::string_view kMenuName = "Menu_Name";
// The first letter after the underscore is the Cyrillic capital Es.
inline constexpr std::string_view kMenuCaption =
    "Menu_\xD0\xA1"
    "aption";
inline constexpr std::string_view kMenuBmp = "Menu_Bmp";
inline constexpr std::string_view kAutoSv = "Auto_Sv";
inline constexpr std::string_view kAllProgram = "All_Program";
inline constexpr std::string_view kPrevMenu = "Prev_Menu";
inline constexpr std::string_view kNoError = "NO_ERROR";
inline constexpr std::string_view kFirstRun = "First_Run";
inline constexpr std::string_view kFilePlus = "File_Plus";

inline constexpr std::string_view kDefaultMenuName = "LIB_M";
inline constexpr std::string_view kDefaultMenuCaption = "Библ.";
inline constexpr std::string_view kDefaultMenuBmp = "LIB_M.bmp";
}  // namespace settings

class SettingsFile {
 public:
  explicit SettingsFile(const std::filesystem::path& program_dir);
  // The same layout under another name (the installer's Set_Param._at).
  SettingsFile(const std::filesystem::path& program_dir, std::string_view file_name);

  std::string MenuName() const;
  std::string MenuCaption() const;
  std::string MenuBmp() const;
  int AutoSv() const;
  bool AllProgram() const;
  bool PrevMenu() const;
  std::string NoError() const;
  bool FirstRun() const;
  std::string FilePlus() const;
  // Menu_Name + " -> " + Menu_Сaption: the root of the main menu tree.
  std::string RootText() const;

  void SetMenuName(std::string_view value);
  void SetMenuCaption(std::string_view value);
  void SetAutoSv(int value);
  void SetAllProgram(bool value);
  void SetPrevMenu(bool value);
  void SetNoError(std::string_view value);
  void SetFirstRun(bool value);

  TIniFile& Ini() { return ini_; }
  const TIniFile& Ini() const { return ini_; }

 private:
  TIniFile ini_;
};

}  // namespace orv
