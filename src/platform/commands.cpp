#include "platform/commands.h"

#include <stdexcept>

namespace orv {

Command& CommandTable::Get(const std::string& name) {
  for (Command& c : commands_) {
    if (c.name == name) return c;
  }
  throw std::out_of_range("no command " + name);
}

const Command& CommandTable::Get(const std::string& name) const {
  return const_cast<CommandTable*>(this)->Get(name);
}

void CommandTable::SetAvailable(const std::string& name, bool available) {
  Command& c = Get(name);
  c.enabled = available;
  c.button_visible = available;
  ++revision_;
}

}  // namespace orv
