#pragma once
// Menu items and their tool bar buttons, without a window.
#include <string>
#include <vector>

namespace orv {

struct Command {
  std::string name;  // the item's name, e.g. "AddLib"
  std::string menu;  // the menu that holds it
  std::string caption;
  std::string hint;
  std::string shortcut;     // e.g. "Ctrl+Up", "F2"; empty for none
  std::string button_name;  // the tool bar button, empty when there is none
  bool enabled = true;
  bool button_visible = true;
};

class CommandTable {
 public:
  void Add(Command command) { commands_.push_back(std::move(command)); }
  Command& Get(const std::string& name);
  const Command& Get(const std::string& name) const;
  const std::vector<Command>& All() const { return commands_; }
  // Enables the item and shows its button, or disables the item and hides it.
  void SetAvailable(const std::string& name, bool available);
  unsigned Revision() const { return revision_; }
  void Touch() { ++revision_; }

 private:
  std::vector<Command> commands_;
  unsigned revision_ = 0;
};

}  // namespace orv
