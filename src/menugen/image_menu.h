#pragma once
// The last part of the menu source file: ***IMAGE with the image menu lines
// that the libraries bring in their [menu_image] sections, and the closing
// comment.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "library/data_module.h"

namespace orv {

// Clears lines and appends the section. The counting pass leaves 5 lines plus
// one per [menu_image] entry of the catalog.
void BuildImageLines(TDataModule1& dm, const std::filesystem::path& catalog,
                     std::string_view menu_name, std::vector<std::string>& lines, bool pass);

}  // namespace orv
