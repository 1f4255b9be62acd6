#pragma once
// The installed library of the worked examples and the menu files it gives:
// STENA at the top, OKNO (two files, settings not kept) in Архитектура, two
// image menu lines, and a template of two lines.
#include <filesystem>
#include <string>
#include <vector>

namespace orv::test {

inline const std::vector<std::string> kWorkedExampleTemplate = {"(defun Get_Setup () nil)",
                                                                "(defun Set_Setup () nil)"};

// The program and submenu sections of the library, which are also the whole
// catalog it gives when installed alone.
std::vector<std::string> WorkedExampleCatalog();
// Writes okno.ini and Orvpak.mtt into dir.
void WriteWorkedExampleLibrary(const std::filesystem::path& dir);

// The menu source file for a program directory spelled dir_text (separator
// included), every line as AutoCAD reads it.
std::vector<std::string> WorkedExampleMenuSource(const std::string& dir_text,
                                                 const std::string& menu_name);
// The menu LISP file with the error handler on, around the given template.
std::vector<std::string> WorkedExampleMenuLisp(
    const std::vector<std::string>& template_lines = kWorkedExampleTemplate);

}  // namespace orv::test
