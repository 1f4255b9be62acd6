#pragma once
// Reading a LISP source file into the text pieces of TDataModule1::LispLines:
// a new piece at every "(", comments left out, control characters dropped,
// tabs as blanks, Windows-1251 bytes decoded to UTF-8.
#include <filesystem>

#include "library/data_module.h"

namespace orv {

// Replaces dm.LispLines with the pieces of the file, plain or protected.
// Comments are those of AutoLISP: ";" outside a string up to the end of its
// line (CR or LF), ";|" up to "|;" across lines; inside a string a backslash
// takes the next character with it. Raises IoError when the file cannot be
// read, leaving LispLines as it was.
void ReadLispFile(TDataModule1& dm, const std::filesystem::path& path);

// Appends one Windows-1251 byte to dm.LispLines by the piece rules.
void PutLispChar(TDataModule1& dm, char ch);

}  // namespace orv
