#pragma once
// The ***TOOLBARS section of the menu source file: a main toolbar named after
// the menu caption with the top-level programs and submenus, and one toolbar
// per submenu path with its programs and child submenus.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "library/data_module.h"

namespace orv {

// Clears lines and appends the section. The counting pass leaves one line per
// counted step: 4, plus one per toolbar list entry, plus for each submenu 3 and
// one per item.
void BuildToolbarLines(TDataModule1& dm, const std::filesystem::path& catalog,
                       std::string_view menu_name, std::string_view menu_caption,
                       std::vector<std::string>& lines, bool pass);

}  // namespace orv
