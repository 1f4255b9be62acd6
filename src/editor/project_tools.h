#pragma once
// Tools over a whole description file: the optimiser that drops what nothing
// reads, and the export that takes over the entries of another file.
#include <filesystem>

#include "library/data_module.h"
#include "platform/dialogs.h"

namespace orv {

// LIB.INI -> LIB._ni: the project as it was before the last optimisation.
std::filesystem::path BackupPathOf(const std::filesystem::path& project);

// Moves the project to its backup and writes it anew with what the system
// reads: [file], [program], per program bmp, caption, file (even when empty),
// submenu with the bmp of each of its levels, save, No_Install and program
// (when not empty), and after the programs the lines of [menu_image]. False,
// with nothing changed, when the project could not be moved to its backup.
bool OptimiseDescriptionFile(const std::filesystem::path& project);

// Writes every key of every section of other into the project, replacing
// values there, except keys that name description files (*.ini).
void ExportDescriptionFile(const std::filesystem::path& project,
                           const std::filesystem::path& other);

// Copies the project's files into the directory of target, asking before an
// existing file is replaced (a Cancel raises E_Chek), and gives the copied
// description file the name of target; the copy lists itself last.
void CopyLibrary(TDataModule1& dm, IMessageBox& messages, const std::filesystem::path& project,
                 const std::filesystem::path& target);

}  // namespace orv
