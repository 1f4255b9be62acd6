#pragma once
// Values that join names with commas: the LISP files of a program, the users
// of a file in the catalog. Parts are taken as written, blanks included.
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// The parts between the commas; nothing for the empty text.
std::vector<std::string> SplitCommaList(std::string_view list);
// Whether one of the parts is exactly name ("b.ini" is no part of "ab.ini").
bool CommaListHolds(std::string_view list, std::string_view name);

}  // namespace orv
