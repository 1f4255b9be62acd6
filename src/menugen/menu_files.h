#pragma once
// The generation of the two files that AutoCAD loads: the menu LISP file
// Menu_Name.mnl and the menu source file Menu_Name.mns, always written anew
// from a freshly rebuilt catalog.
#include <filesystem>

#include "library/data_module.h"

namespace orv {

// Counting pass (pass false): reads everything, touches no menu file, moves the
// progress position four steps on its own and returns the steps of the working
// pass. Working pass: rebuilds the catalog, then writes the .mnl and the .mns.
// A missing or unreadable template Orvpak.mtt raises IoError in either pass
// before any file is touched.
int GenerateMenuFiles(TDataModule1& dm, bool pass);

// Pull-down menu, toolbars and image menu, in this order. Counting pass: the
// number of lines the section writers counted; working pass: writes the file
// and returns 0.
int WriteMenuSource(TDataModule1& dm, const std::filesystem::path& catalog,
                    const std::filesystem::path& menu_source, bool pass);

}  // namespace orv
