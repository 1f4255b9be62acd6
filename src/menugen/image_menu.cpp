#include "menugen/image_menu.h"

#include "platform/file_system.h"
#include "platform/ini_file.h"

namespace orv {

void BuildImageLines(TDataModule1& dm, const std::filesystem::path& catalog,
                     std::string_view menu_name, std::vector<std::string>& lines, bool pass) {
  lines.clear();
  lines.push_back("***IMAGE");
  if (pass) dm.AdvanceProgress();
  for (const auto& [label, value] : TIniFile(catalog).ReadSectionPairs("menu_image")) {
    if (!pass) {
      lines.emplace_back();
      continue;
    }
    dm.AdvanceProgress();
    // An empty value writes nothing: an empty line would end the image menu
    // there and cut off the lines of the libraries after it.
    if (value.empty()) continue;
    // A new image submenu (**name) stands apart from the one before it.
    if (value.front() == '*') lines.push_back(" ");
    lines.push_back(value);
  }
  lines.push_back("");
  lines.push_back("//");
  lines.push_back("//      Конец AutoCAD файла меню - " + DirectoryWithSeparator(dm.ProgramDir()) +
                  std::string(menu_name) + ".mns");
  lines.push_back("//");
  if (pass) {
    for (int i = 0; i < 4; ++i) dm.AdvanceProgress();
  }
}

}  // namespace orv
