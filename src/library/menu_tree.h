#pragma once
// The menu hierarchy of a description file or of the catalog, and the order in
// which programs are listed.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/tree_model.h"

namespace orv {

inline constexpr std::string_view kNodeSeparator = " -> ";
inline constexpr int kDefaultOrder = 65535;

// Removes every node; when the tree has an image list, empties it and loads the
// menu bitmap (Menu_Bmp of the settings) as image 0.
void ClearMenuTree(TreeModel& tree, const std::filesystem::path& program_dir);

// Adds the hierarchy of the INI file under a new root node. Submenu and program
// pictures are looked up in the file's own directory.
void BuildMenuTree(TreeModel& tree, const std::filesystem::path& ini_path,
                   std::string_view root_text, const std::filesystem::path& root_bitmap = {});

// The keys of section program in menu order.
std::vector<std::string> ProgramList(const std::filesystem::path& ini_path);
// The menu order with each submenu path inserted before its first program.
std::vector<std::string> MenuOrderList(const std::filesystem::path& ini_path);

// The topmost ancestor; the node itself when it has no parent.
TreeNode* TopNode(TreeNode* node);
// A node's text up to the first " -> "; empty for a submenu node or the root.
std::string ProgramNameOfNode(const TreeNode* node);

}  // namespace orv
