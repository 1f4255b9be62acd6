#pragma once
#include <string>
#include <vector>

#include "platform/commands.h"

namespace orv {

// The commands of the main window with their captions, hints and keys, in the
// order of the tool bar.
CommandTable MakeMainCommandTable();

struct MenuLayout {
  std::string title;
  std::string hint;
  std::vector<std::string> items;  // command names; "-" is a separator
};
const std::vector<MenuLayout>& MainMenuLayout();
// Button order of the tool bar; "-" is a separator.
const std::vector<std::string>& ToolBarLayout();

// The commands of the first page and of the project page, in the order in
// which the pages switch them.
const std::vector<std::string>& MenuPageCommands();
const std::vector<std::string>& ProjectPageCommands();
// The thirteen library commands that the parameter and option pages switch off,
// in their order.
const std::vector<std::string>& LibraryCommands();

}  // namespace orv
