#include "library/menu_tree.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "library/settings.h"
#include "library/submenu_path.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "platform/text_case.h"

namespace orv {

namespace {

TreeNode* AddNode(TreeModel& tree, TreeNode* parent, std::string text,
                  const std::filesystem::path& dir, std::string_view bitmap) {
  int image = 0;
  if (tree.Images() && !bitmap.empty()) {
    int added = tree.Images()->Add(ResolveFile(dir, bitmap));
    if (added >= 0) image = added;
  }
  return tree.Add(parent, std::move(text), image);
}

}  // namespace

void ClearMenuTree(TreeModel& tree, const std::filesystem::path& program_dir) {
  tree.Clear();
  if (!tree.Images()) return;
  tree.Images()->Clear();
  tree.Images()->Add(ResolveFile(program_dir, SettingsFile(program_dir).MenuBmp()));
}

void BuildMenuTree(TreeModel& tree, const std::filesystem::path& ini_path,
                   std::string_view root_text, const std::filesystem::path& root_bitmap) {
  TIniFile ini(ini_path);
  std::filesystem::path dir = ini_path.parent_path();
  int root_image = 0;
  if (tree.Images() && !root_bitmap.empty() && root_bitmap.has_filename()) {
    int added = tree.Images()->Add(root_bitmap);
    if (added >= 0) root_image = added;
  }
  TreeNode* root = tree.Add(nullptr, std::string(root_text), root_image);
  // The first child of each node under each text, which is what a scan of the
  // children from the first finds.
  std::unordered_map<const TreeNode*, std::unordered_map<std::string, TreeNode*>> first_child;
  for (const std::string& program : ProgramList(ini_path)) {
    TreeNode* current = root;
    std::string submenu = ini.ReadString(program, "submenu");
    for (int k = 1, levels = PathLevelCount(submenu); k <= levels; ++k) {
      std::string name = PathComponent(submenu, k);
      auto& children = first_child[current];
      auto found = children.find(name);
      if (found != children.end()) {
        current = found->second;
        continue;
      }
      TreeNode* node =
          AddNode(tree, current, name, dir, ini.ReadString(PathPrefix(submenu, k), "bmp"));
      children.emplace(name, node);
      current = node;
    }
    std::string text = program + std::string(kNodeSeparator) + ini.ReadString(program, "caption");
    TreeNode* node = AddNode(tree, current, text, dir, ini.ReadString(program, "bmp"));
    first_child[current].try_emplace(text, node);
  }
}

std::vector<std::string> ProgramList(const std::filesystem::path& ini_path) {
  TIniFile ini(ini_path);
  struct Entry {
    std::string name;
    int order;
  };
  std::vector<Entry> entries;
  for (auto& [key, value] : ini.ReadSectionPairs("program")) {
    int order = kDefaultOrder;
    ParseIntegerValue(value, order);
    // Values above the default lie outside the format; they sort with it.
    entries.push_back(Entry{key, std::min(order, kDefaultOrder)});
  }
  // Taking the first remaining key with the smallest value again and again is a
  // stable sort.
  std::stable_sort(entries.begin(), entries.end(),
                   [](const Entry& a, const Entry& b) { return a.order < b.order; });
  std::vector<std::string> names;
  names.reserve(entries.size());
  for (Entry& e : entries) names.push_back(std::move(e.name));
  return names;
}

std::vector<std::string> MenuOrderList(const std::filesystem::path& ini_path) {
  TIniFile ini(ini_path);
  std::vector<std::string> list;
  std::unordered_set<std::string> held;  // folded entries of list
  for (const std::string& program : ProgramList(ini_path)) {
    std::string submenu = ini.ReadString(program, "submenu");
    if (!submenu.empty() && held.insert(LowerCase(submenu)).second) list.push_back(submenu);
    held.insert(LowerCase(program));
    list.push_back(program);
  }
  return list;
}

TreeNode* TopNode(TreeNode* node) {
  while (node && node->Parent()) node = node->Parent();
  return node;
}

std::string ProgramNameOfNode(const TreeNode* node) {
  if (!node) return {};
  size_t pos = node->text.find(kNodeSeparator);
  return pos == std::string::npos ? std::string() : node->text.substr(0, pos);
}

}  // namespace orv
