#pragma once
// Letter-case folding over UTF-8 text for the repertoire of Windows-1251:
// Latin and Cyrillic letters alike (INI names, file names, editor names).
#include <string>
#include <string_view>

namespace orv {

std::string LowerCase(std::string_view utf8);
// LowerCase appended to out, for callers that fold into a buffer they reuse.
void AppendLowerCase(std::string& out, std::string_view utf8);
std::string UpperCase(std::string_view utf8);
bool EqualsNoCase(std::string_view a, std::string_view b);
// Latin a..z only; every other character, Cyrillic included, unchanged.
std::string LatinUpperCase(std::string_view text);

}  // namespace orv
