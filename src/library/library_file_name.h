#pragma once
// File names that a description file lists. They are meant to be bare names in
// the library's directory; a name that climbs out of it or names an absolute
// path must never be copied to or deleted from anywhere.
#include <string_view>

namespace orv {

// True for an absolute name (/x, \x, \\server\x, C:\x, C:x) or one with a ".."
// level, whichever separator it uses.
bool NameEscapesDirectory(std::string_view name);

}  // namespace orv
