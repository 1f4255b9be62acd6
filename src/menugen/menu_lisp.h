#pragma once
// The menu LISP file Menu_Name.mnl: the support files, the library's template
// Orvpak.mtt, and one autoload stub C:OV_<program> per installed program.
#include <filesystem>
#include <string>
#include <vector>

#include "library/data_module.h"

namespace orv {

// Reads the template in both passes and raises IoError when it cannot, before
// anything is written. Counting pass: template lines plus programs. Working
// pass: writes the file and returns the number of template lines.
int WriteMenuLisp(TDataModule1& dm, const std::filesystem::path& catalog,
                  const std::filesystem::path& menu_lisp, bool pass);

// The same with the template already read (at least one line).
int WriteMenuLisp(TDataModule1& dm, const std::vector<std::string>& template_lines,
                  const std::filesystem::path& catalog, const std::filesystem::path& menu_lisp,
                  bool pass);

// The template lines as the menu LISP file takes them: an empty template gives
// one empty line. Raises IoError.
std::vector<std::string> ReadMenuLispTemplate(const TDataModule1& dm);

}  // namespace orv
