#pragma once
// Scanners over the pieces that ReadLispFile left in TDataModule1::LispLines.
// Both read strings as AutoLISP does: parentheses inside a string do not
// count, and a backslash inside it takes the next character with it.
#include <string>
#include <vector>

#include "library/data_module.h"

namespace orv {

// The names of the top-level defun forms, in order, as written (a name
// defined twice is listed twice). The name is the text between "defun" and
// the form's first nested "(", so "(defun f nil (g))" gives "f nil", a form
// without a nested "(" gives nothing, and any top-level form whose text before
// a nested "(" holds "defun" gives what follows it.
void FindDefuns(const TDataModule1& dm, std::vector<std::string>& names);

// The text between the quotes of every string literal, as written, in order
// of first appearance; a literal that repeats one already listed (letter case
// ignored) is left out.
void FindStringLiterals(const TDataModule1& dm, std::vector<std::string>& literals);

}  // namespace orv
