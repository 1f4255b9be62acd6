#include "menugen/pulldown.h"

#include <unordered_map>

#include "library/menu_tree.h"
#include "library/settings.h"
#include "library/submenu_path.h"
#include "menugen/item_macro.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"

namespace orv {

namespace {

// The hierarchy of the main menu tree: a submenu stands where its first program
// comes in the menu order and holds all of its programs and child submenus, in
// menu order, even when other programs come between them. Levels match by
// their exact names, as in the tree. Walking the menu order list instead would
// turn a program between two members of a submenu into a cascade of its own.
struct MenuNode {
  std::string name;  // the level name, or the program name
  bool is_program = false;
  std::vector<int> children;
  std::unordered_map<std::string, int> submenus;  // child submenu by level name
};

std::vector<MenuNode> BuildHierarchy(const TIniFile& catalog,
                                     const std::vector<std::string>& programs) {
  std::vector<MenuNode> nodes(1);  // the root
  for (const std::string& program : programs) {
    int current = 0;
    std::string submenu = catalog.ReadString(program, "submenu");
    for (int k = 1, levels = PathLevelCount(submenu); k <= levels; ++k) {
      std::string name = PathComponent(submenu, k);
      auto found = nodes[current].submenus.find(name);
      if (found != nodes[current].submenus.end()) {
        current = found->second;
        continue;
      }
      int added = static_cast<int>(nodes.size());
      nodes.push_back(MenuNode{name, false, {}, {}});
      nodes[current].children.push_back(added);
      nodes[current].submenus.emplace(std::move(name), added);
      current = added;
    }
    int added = static_cast<int>(nodes.size());
    nodes.push_back(MenuNode{program, true, {}, {}});
    nodes[current].children.push_back(added);
  }
  return nodes;
}

std::string Repeat(std::string_view text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

// Items indent three spaces per enclosing submenu, plus three. "->" opens a
// submenu; the last item of a submenu carries one "<-" for every submenu that
// closes after it.
void AppendItems(TDataModule1& dm, const TIniFile& catalog, const std::vector<MenuNode>& nodes,
                 std::vector<std::string>& lines, bool pass) {
  struct Frame {
    int node;
    size_t next_child;
    int depth;
    int closing;  // "<-" markers on the last item of this node
  };
  std::vector<Frame> stack{{0, 0, 0, 0}};
  while (!stack.empty()) {
    Frame& frame = stack.back();
    const std::vector<int>& children = nodes[frame.node].children;
    if (frame.next_child == children.size()) {
      stack.pop_back();
      continue;
    }
    const int child_index = children[frame.next_child++];
    const MenuNode& child = nodes[child_index];
    const bool last = frame.next_child == children.size();
    const int depth = frame.depth;
    const int closing = last ? frame.closing : 0;
    if (!pass) {
      lines.emplace_back();
    } else {
      std::string line(3 * (depth + 1), ' ');
      line += '[';
      if (child.is_program) {
        line += Repeat("<-", closing);
        line += catalog.ReadString(child.name, "caption");
        line += ']';
        line += ItemMacro(catalog, child.name);
      } else {
        line += "->" + child.name + "]";
      }
      lines.push_back(std::move(line));
      dm.AdvanceProgress();
    }
    if (!child.is_program) stack.push_back(Frame{child_index, 0, depth + 1, closing + 1});
  }
}

}  // namespace

void BuildPulldownLines(TDataModule1& dm, const std::filesystem::path& catalog,
                        std::vector<std::string>& lines, bool pass) {
  lines.clear();
  if (pass) {
    SettingsFile settings(dm.ProgramDir());
    const std::string name = settings.MenuName();
    lines.push_back("//");
    lines.push_back("//      AutoCAD файл меню - " + DirectoryWithSeparator(dm.ProgramDir()) +
                    name + ".mns");
    lines.push_back("//");
    lines.push_back("");
    lines.push_back("***MENUGROUP=" + name);
    lines.push_back("");
    lines.push_back("***POP1");
    lines.push_back("   [" + settings.MenuCaption() + "]");
    dm.AdvanceProgress();
  } else {
    lines.emplace_back();
  }
  TIniFile ini(catalog);
  AppendItems(dm, ini, BuildHierarchy(ini, ProgramList(catalog)), lines, pass);
  lines.emplace_back();
  if (pass) dm.AdvanceProgress();
}

}  // namespace orv
