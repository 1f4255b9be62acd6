#pragma once
// The first part of the menu source file: the header comment, the menu group
// and the pull-down menu ***POP1 with one item per program and one cascade per
// submenu.
#include <filesystem>
#include <string>
#include <vector>

#include "library/data_module.h"

namespace orv {

// Clears lines and appends the section. Counting pass: one line per progress
// step of the working pass (one for the whole header). Reads Menu_Name and
// Menu_Сaption from the settings itself.
void BuildPulldownLines(TDataModule1& dm, const std::filesystem::path& catalog,
                        std::vector<std::string>& lines, bool pass);

}  // namespace orv
