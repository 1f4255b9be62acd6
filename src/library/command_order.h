#pragma once
// The order of the commands: the user moves nodes of the main menu tree among
// their siblings, and saving writes each program's position in the tree into
// the description file that defines it and into the catalog.
#include <filesystem>
#include <string_view>

#include "library/data_module.h"
#include "platform/ini_file.h"
#include "platform/tree_model.h"

namespace orv {

// The description file (*.ini of the program directory) whose section of the
// program has a non-empty bmp; the last one in directory order when several
// have one. Empty for the empty name or when none has.
std::filesystem::path FindDescriptionFile(const TDataModule1& dm, std::string_view program);

// Counting pass: the number of nodes, 0 for a tree of fewer than two. Working
// pass: writes every program node's position (depth-first index, root 0) as
// its order value into its description file and the catalog; a program whose
// file value is empty, or whose description file is not found, gets none.
int SaveCommandOrder(TDataModule1& dm, TreeModel& tree, const std::filesystem::path& catalog,
                     bool pass);

// Moves the selected node with its subtree one place among its siblings,
// wrapping around at either end. Nothing happens without a selected node or
// for the root.
void MoveNodeUp(TreeModel& tree);
void MoveNodeDown(TreeModel& tree);

// Whether some program node stands at a position other than its saved order
// value (a value missing from the catalog counts as -1).
bool CommandOrderUnsaved(const TreeModel& tree, const TIniFile& catalog);

}  // namespace orv
