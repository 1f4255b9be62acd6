#pragma once
// The catalog Orvpak.set is derived data: it is thrown away and rebuilt from
// every description file (*.ini) of the program directory.
#include <filesystem>

#include "library/data_module.h"

namespace orv {

inline constexpr std::string_view kImageLabelPrefix = "Lebel_";

// Counting pass (pass false): the number of progress steps of the working pass.
// Working pass: restarts the image label counter, deletes the catalog and
// merges every description file in directory order; returns 0.
int RebuildCatalog(TDataModule1& dm, const std::filesystem::path& catalog, bool pass);

// Merges one description file into the catalog. The counting pass also writes
// the program order values and the program sections (never the submenu
// sections), so that the counting passes after it see the new programs.
int MergeDescriptionIntoCatalog(TDataModule1& dm, const std::filesystem::path& description,
                                const std::filesystem::path& catalog, bool pass);

}  // namespace orv
