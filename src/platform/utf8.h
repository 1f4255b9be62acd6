#pragma once
#include <string>
#include <string_view>

namespace orv {

std::string EncodeUtf8(char32_t cp);
// Reads one code point at pos and moves pos past it. A malformed byte is taken
// alone as the code point of its value, so nothing is ever lost.
char32_t NextCodePoint(std::string_view text, size_t& pos);

}  // namespace orv
