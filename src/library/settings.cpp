#include "library/settings.h"

#include "platform/file_system.h"

namespace orv {

using namespace settings;

SettingsFile::SettingsFile(const std::filesystem::path& program_dir)
    : SettingsFile(program_dir, kFileName) {}

SettingsFile::SettingsFile(const std::filesystem::path& program_dir, std::string_view file_name)
    : ini_(JoinPath(program_dir, file_name)) {}

std::string SettingsFile::MenuName() const {
  return ini_.ReadString(kSetup, kMenuName, kDefaultMenuName);
}
std::string SettingsFile::MenuCaption() const {
  return ini_.ReadString(kSetup, kMenuCaption, kDefaultMenuCaption);
}
std::string SettingsFile::MenuBmp() const {
  return ini_.ReadString(kSetup, kMenuBmp, kDefaultMenuBmp);
}
int SettingsFile::AutoSv() const {
  return ini_.ReadInteger(kSetup, kAutoSv, 0);
}
bool SettingsFile::AllProgram() const {
  return ini_.ReadBool(kSetup, kAllProgram, false);
}
bool SettingsFile::PrevMenu() const {
  return ini_.ReadBool(kSetup, kPrevMenu, true);
}
std::string SettingsFile::NoError() const {
  return ini_.ReadString(kSetup, kNoError, "");
}
bool SettingsFile::FirstRun() const {
  return ini_.ReadBool(kSetup, kFirstRun, true);
}
std::string SettingsFile::FilePlus() const {
  return ini_.ReadString(kSetup, kFilePlus, "");
}
std::string SettingsFile::RootText() const {
  return MenuName() + " -> " + MenuCaption();
}

void SettingsFile::SetMenuName(std::string_view value) {
  ini_.WriteString(kSetup, kMenuName, value);
}
void SettingsFile::SetMenuCaption(std::string_view value) {
  ini_.WriteString(kSetup, kMenuCaption, value);
}
void SettingsFile::SetAutoSv(int value) {
  ini_.WriteInteger(kSetup, kAutoSv, value);
}
void SettingsFile::SetAllProgram(bool value) {
  ini_.WriteBool(kSetup, kAllProgram, value);
}
void SettingsFile::SetPrevMenu(bool value) {
  ini_.WriteBool(kSetup, kPrevMenu, value);
}
void SettingsFile::SetNoError(std::string_view value) {
  ini_.WriteString(kSetup, kNoError, value);
}
void SettingsFile::SetFirstRun(bool value) {
  ini_.WriteBool(kSetup, kFirstRun, value);
}

}  // namespace orv
