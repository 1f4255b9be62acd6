#pragma once
// Which handler of the window model each command runs.
#include <functional>
#include <string>

namespace orv {
class TMainForm;
}

namespace orv::gui {

// The handler of a command by its name; empty for a command whose handler
// the model does not have yet.
std::function<void(TMainForm&)> CommandHandler(const std::string& command);

}  // namespace orv::gui
