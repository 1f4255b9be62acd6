#include "library/command_order.h"

#include <unordered_map>

#include "library/menu_tree.h"
#include "platform/file_system.h"
#include "platform/text_case.h"

namespace orv {

namespace {

constexpr std::string_view kOrderText = "Идет внесение информации о порядке команд";

std::vector<std::filesystem::path> DescriptionFiles(const TDataModule1& dm) {
  std::vector<std::filesystem::path> paths;
  for (const std::string& name : ListDirectory(dm.ProgramDir(), "*.ini")) {
    paths.push_back(dm.ProgramDir() / PathFromUtf8(name));
  }
  return paths;
}

// FindDescriptionFile for every program at once: the directory is read once
// per save, not once per node.
class DescriptionIndex {
 public:
  explicit DescriptionIndex(const TDataModule1& dm) {
    for (const std::filesystem::path& path : DescriptionFiles(dm)) {
      TIniFile ini(path);
      for (const std::string& section : ini.ReadSections()) {
        if (!ini.ReadString(section, "bmp").empty()) by_section_[LowerCase(section)] = path;
      }
    }
  }
  std::filesystem::path Find(std::string_view program) const {
    auto found = by_section_.find(LowerCase(program));
    return program.empty() || found == by_section_.end() ? std::filesystem::path() : found->second;
  }

 private:
  std::unordered_map<std::string, std::filesystem::path> by_section_;  // folded name
};

}  // namespace

std::filesystem::path FindDescriptionFile(const TDataModule1& dm, std::string_view program) {
  if (program.empty()) return {};
  std::filesystem::path found;
  for (const std::filesystem::path& path : DescriptionFiles(dm)) {
    if (!TIniFile(path).ReadString(program, "bmp").empty()) found = path;
  }
  return found;
}

int SaveCommandOrder(TDataModule1& dm, TreeModel& tree, const std::filesystem::path& catalog,
                     bool pass) {
  std::vector<TreeNode*> nodes = tree.Nodes();
  const int count = static_cast<int>(nodes.size());
  if (!pass) return count < 2 ? 0 : count;
  // Each description file and the catalog are rewritten once, when the save ends.
  IniBatch batch;
  TIniFile catalog_ini(catalog);
  const DescriptionIndex descriptions(dm);
  for (int position = 1; position < count; ++position) {
    dm.SetProgressText(kOrderText);
    std::string program = ProgramNameOfNode(nodes[position]);
    std::filesystem::path description = descriptions.Find(program);
    if (!description.empty()) {
      TIniFile description_ini(description);
      if (!description_ini.ReadString(program, "file").empty()) {
        description_ini.WriteInteger("program", program, position);
        catalog_ini.WriteInteger("program", program, position);
      }
    }
    dm.AdvanceProgress();
  }
  return 0;
}

void MoveNodeUp(TreeModel& tree) {
  TreeNode* node = tree.Selected();
  if (!node || !node->Parent()) return;
  if (TreeNode* previous = tree.PrevSibling(node)) {
    tree.MoveBefore(node, previous);
  } else {
    tree.MoveToEnd(node);
  }
}

void MoveNodeDown(TreeModel& tree) {
  TreeNode* node = tree.Selected();
  if (!node || !node->Parent()) return;
  TreeNode* next = tree.NextSibling(node);
  if (!next) {
    tree.MoveBefore(node, tree.FirstSibling(node));
  } else if (TreeNode* after_next = tree.NextSibling(next)) {
    tree.MoveBefore(node, after_next);
  } else {
    tree.MoveToEnd(node);
  }
}

bool CommandOrderUnsaved(const TreeModel& tree, const TIniFile& catalog) {
  std::vector<TreeNode*> nodes = tree.Nodes();
  for (int position = 1; position < static_cast<int>(nodes.size()); ++position) {
    std::string program = ProgramNameOfNode(nodes[position]);
    if (!program.empty() && catalog.ReadInteger("program", program, -1) != position) return true;
  }
  return false;
}

}  // namespace orv
