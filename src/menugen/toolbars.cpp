#include "menugen/toolbars.h"

#include <unordered_map>
#include <unordered_set>

#include "library/menu_tree.h"
#include "library/submenu_path.h"
#include "menugen/item_macro.h"
#include "platform/ini_file.h"
#include "platform/text_case.h"

namespace orv {

namespace {

inline constexpr std::string_view kDefaultButtonBmp = "LIB_M.bmp";

struct ToolbarItem {
  std::string name;  // a program, or a child submenu by its own level name
  bool is_program = false;
};

struct ToolbarEntry {
  std::string name;  // a submenu path, or a top-level program
  bool is_program = false;
  std::vector<ToolbarItem> items;
  std::unordered_set<std::string> child_submenus;  // folded level names
};

// Submenu paths are looked up without regard to letter case, and only among
// the submenu entries: a submenu whose path is also the name of a program
// still gets a toolbar of its own, and the programs inside it go there.
class ToolbarList {
 public:
  std::vector<ToolbarEntry> entries;

  // The entry of path, made together with the entries of its leading parts
  // when it is new. new_path tells which.
  ToolbarEntry& Submenu(const std::string& path, bool& new_path) {
    auto found = submenus_.find(LowerCase(path));
    new_path = found == submenus_.end();
    if (!new_path) return entries[found->second];
    const int levels = PathLevelCount(path);
    for (int k = 1; k <= levels; ++k) {
      std::string prefix = PathPrefix(path, k);
      if (submenus_.try_emplace(LowerCase(prefix), entries.size()).second) {
        entries.push_back(ToolbarEntry{std::move(prefix), false, {}, {}});
      }
    }
    for (int k = 1; k < levels; ++k) {
      ToolbarEntry& parent = entries[submenus_.at(LowerCase(PathPrefix(path, k)))];
      std::string child = PathComponent(path, k + 1);
      if (parent.child_submenus.insert(LowerCase(child)).second) {
        parent.items.push_back(ToolbarItem{std::move(child), false});
      }
    }
    return entries[submenus_.at(LowerCase(path))];
  }

  void AddProgram(std::string program) {
    entries.push_back(ToolbarEntry{std::move(program), true, {}, {}});
  }

 private:
  std::unordered_map<std::string, size_t> submenus_;  // folded path -> entry
};

std::string ValueOr(const TIniFile& catalog, std::string_view section, std::string_view key,
                    std::string_view fallback) {
  std::string value = catalog.ReadString(section, key);
  return value.empty() ? std::string(fallback) : value;
}

std::string ElementNumber(int n) {
  return "ID__" + std::to_string(n) + "        ";
}

std::string ButtonLine(const TIniFile& catalog, int n, const std::string& program) {
  return ElementNumber(n) + "[_Button(\"" + ValueOr(catalog, program, "caption", program) +
         "\", \"" + ValueOr(catalog, program, "bmp", kDefaultButtonBmp) +
         "\", \"ICON_16_BLANK\")]" + ItemMacro(catalog, program);
}

// The flyout of a submenu opens the toolbar named after its last level.
std::string FlyoutLine(const TIniFile& catalog, int n, const std::string& path,
                       std::string_view menu_name) {
  std::string last = PathLastComponent(path);
  return ElementNumber(n) + "[_Flyout(\"" + last + "\", " +
         ValueOr(catalog, path, "bmp", kDefaultButtonBmp) + ", ICON_16_BLANK, _OtherIcon, " +
         std::string(menu_name) + "." + last + ")]";
}

std::string ToolbarLine(int indent, std::string_view name) {
  return std::string(indent, ' ') + "[_Toolbar(\"" + std::string(name) +
         "\", _Right, _Show, 0, 1, 1)]";
}

}  // namespace

void BuildToolbarLines(TDataModule1& dm, const std::filesystem::path& catalog,
                       std::string_view menu_name, std::string_view menu_caption,
                       std::vector<std::string>& lines, bool pass) {
  lines.clear();
  TIniFile ini(catalog);

  // The toolbar list, in menu order: a submenu's entry comes just before its
  // first program, as its path does in the menu order list.
  ToolbarList toolbars;
  for (const std::string& program : ProgramList(catalog)) {
    if (pass) dm.AdvanceProgress();
    std::string submenu = ini.ReadString(program, "submenu");
    if (submenu.empty()) {
      toolbars.AddProgram(program);
    } else {
      bool new_path = false;
      ToolbarEntry& entry = toolbars.Submenu(submenu, new_path);
      entry.items.push_back(ToolbarItem{program, true});
      if (new_path && pass) dm.AdvanceProgress();
    }
    if (pass) dm.AdvanceProgress();
  }

  // The main toolbar: every top-level program and one-level submenu. Deeper
  // submenus use up an element number all the same.
  lines.push_back("***TOOLBARS");
  lines.push_back("**" + std::string(menu_caption));
  lines.push_back(ToolbarLine(13, menu_caption));
  if (pass) {
    for (int i = 0; i < 3; ++i) dm.AdvanceProgress();
  }
  int n = 0;
  for (const ToolbarEntry& entry : toolbars.entries) {
    if (!pass) {
      lines.emplace_back();
      continue;
    }
    dm.AdvanceProgress();
    ++n;
    if (entry.is_program) {
      lines.push_back(ButtonLine(ini, n, entry.name));
    } else if (PathLevelCount(entry.name) == 1) {
      lines.push_back(FlyoutLine(ini, n, entry.name, menu_name));
    }
  }
  lines.emplace_back();
  if (pass) dm.AdvanceProgress();

  // One toolbar per submenu.
  for (const ToolbarEntry& entry : toolbars.entries) {
    ++n;
    if (entry.is_program) continue;
    std::string last = PathLastComponent(entry.name);
    lines.push_back("**" + last);
    lines.push_back(ToolbarLine(14, last));
    if (pass) {
      dm.AdvanceProgress();
      dm.AdvanceProgress();
    }
    for (const ToolbarItem& item : entry.items) {
      if (!pass) {
        lines.emplace_back();
        continue;
      }
      dm.AdvanceProgress();
      ++n;
      lines.push_back(item.is_program
                          ? ButtonLine(ini, n, item.name)
                          : FlyoutLine(ini, n, entry.name + "\\" + item.name, menu_name));
    }
    lines.emplace_back();
    if (pass) dm.AdvanceProgress();
  }
}

}  // namespace orv
