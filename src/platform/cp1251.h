#pragma once
// Windows-1251 <-> UTF-8 at the file boundary. Every byte round-trips: the one
// byte the code page leaves unassigned (0x98) maps to U+0098 and back.
#include <string>
#include <string_view>

namespace orv {

std::string DecodeCp1251(std::string_view bytes);
// Characters outside the code page become '?'.
std::string EncodeCp1251(std::string_view utf8);

}  // namespace orv
