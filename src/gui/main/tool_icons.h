#pragma once
// The 16x16 pictures of the commands, drawn here so the program carries no
// picture files of its own.
#include <QIcon>
#include <string_view>

namespace orv::gui {

// The picture of a command by its name ("AddLib", "Hlp", ...); a null icon
// for a name without one.
QIcon CommandIcon(std::string_view command);

}  // namespace orv::gui
