#include "installer/autocad_registration.h"

#include "installer/installer_files.h"
#include "platform/file_system.h"
#include "platform/text_case.h"
#include "platform/text_file.h"

namespace orv::installer {

bool AutoCadProfile::Registered() const {
  return !release.empty() && !product.empty() && !location.empty() && !profile.empty();
}

std::string AutoCadProfile::ProductKey() const {
  return std::string(kAcadMachineKey) + "\\" + release + "\\" + product;
}

std::string AutoCadProfile::GeneralKey() const {
  return std::string(kAcadUserKey) + release + "\\" + product + "\\Profiles\\" + profile +
         "\\General";
}

AutoCadProfile ReadAutoCadProfile(TRegIniFile& registry) {
  // Each read may start a program (Wine); a missing name ends the search.
  AutoCadProfile acad;
  registry.SetRootKey(RootKey::LocalMachine);
  acad.release = registry.ReadString(kAcadMachineKey, kCurVer);
  if (!acad.release.empty())
    acad.product = registry.ReadString(std::string(kAcadMachineKey) + "\\" + acad.release, kCurVer);
  if (!acad.product.empty()) acad.location = registry.ReadString(acad.ProductKey(), kAcadLocation);
  registry.SetRootKey(RootKey::CurrentUser);
  if (!acad.location.empty()) {
    acad.profile = registry.ReadDefaultValue(std::string(kAcadUserKey) + acad.release + "\\" +
                                             acad.product + "\\Profiles");
  }
  if (acad.Registered())
    acad.support_path = registry.ReadString(acad.GeneralKey(), kSupportPathValue);
  return acad;
}

namespace {
std::string_view WithoutTrailingBackslashes(std::string_view path) {
  while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  return path;
}
}  // namespace

bool SupportPathHasDirectory(std::string_view path, std::string_view dir) {
  std::string_view wanted = WithoutTrailingBackslashes(dir);
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find(';', start);
    if (end == std::string_view::npos) end = path.size();
    std::string_view entry = WithoutTrailingBackslashes(path.substr(start, end - start));
    if (!entry.empty() && EqualsNoCase(entry, wanted)) return true;
    start = end + 1;
  }
  return false;
}

std::string ExtendSupportPath(std::string_view path, std::string_view dir) {
  std::string extended(path);
  if (SupportPathHasDirectory(path, dir)) return extended;
  if (!extended.empty() && extended.back() != ';') extended += ';';
  extended += dir;
  return extended;
}

std::string MenuLoadScriptLine(std::string_view dir, std::string_view menu_name) {
  std::string escaped;
  for (char c : dir) {
    escaped += c;
    if (c == '\\') escaped += '\\';
  }
  return "(command \"_menuload\" \"" + escaped + "\\\\" + std::string(menu_name) + ".mnl\")";
}

std::string AcadStartBatchLine(std::string_view acad_location, std::string_view dir) {
  return "\"" + std::string(acad_location) + "\\Acad.Exe\"  /b \"" + std::string(dir) +
         "\\temp.scr\"";
}

Registration RegisterWithAutoCad(const std::filesystem::path& program_dir,
                                 std::string_view menu_name, RegistryStore& registry) {
  TRegIniFile reg(registry);
  AutoCadProfile acad = ReadAutoCadProfile(reg);
  if (!acad.Registered()) return Registration::NoAutoCad;

  std::string dir(WithoutTrailingBackslashes(registry.WindowsPathOf(program_dir)));
  reg.WriteString(acad.GeneralKey(), kSupportPathValue, ExtendSupportPath(acad.support_path, dir));
  WriteTextLines(JoinPath(program_dir, kScriptFileName), {MenuLoadScriptLine(dir, menu_name)});
  WriteTextLines(JoinPath(program_dir, kBatchFileName), {AcadStartBatchLine(acad.location, dir)});
  return Registration::Done;
}

}  // namespace orv::installer
