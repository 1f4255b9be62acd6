#pragma once
// The command behind a pull-down item or a toolbar button of a program.
#include <string>
#include <string_view>

#include "platform/ini_file.h"

namespace orv {

// Loads the program's LISP files unless its function is defined already:
// (if(= P nil)(progn(load "f1") (load "f2"))) with one blank at the end.
std::string DirectLoadExpression(std::string_view program, std::string_view files);

// "^C^COV_P " for a program with an autoload stub; for a No_Install program
// "^C^C" + its direct-load expression + "P ".
std::string ItemMacro(const TIniFile& catalog, std::string_view program);

}  // namespace orv
