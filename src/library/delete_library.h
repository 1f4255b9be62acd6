#pragma once
// Removing an installed library: its own files and its description file.
#include <filesystem>

#include "library/data_module.h"

namespace orv {

// Counting pass: advances the progress position by one and returns the number
// of files the description lists. Working pass: deletes every listed file that
// the catalog (as it stands, before its rebuild) gives this description alone,
// then the description file itself; returns 0. A name that leads out of the
// program directory is never deleted.
int DeleteLibraryFiles(TDataModule1& dm, const std::filesystem::path& catalog,
                       const std::filesystem::path& description, bool pass);

}  // namespace orv
