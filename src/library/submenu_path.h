#pragma once
// Submenu paths: level names joined by backslashes, the outermost first.
#include <string>
#include <string_view>

namespace orv {

// 0 for the empty text, otherwise 1 plus the number of backslashes.
int PathLevelCount(std::string_view path);
// Level n counted from 1; empty for n <= 0; the last level for n beyond it.
std::string PathComponent(std::string_view path, int n);
// Levels 1..n joined by backslashes; level 1 alone for n <= 1.
std::string PathPrefix(std::string_view path, int n);
// The text after the last backslash, all of it when there is none.
std::string PathLastComponent(std::string_view path);
// Leading levels both paths share; Latin letters compare without case, every
// other character (Cyrillic included) exactly.
int PathSharedDepth(std::string_view a, std::string_view b);

}  // namespace orv
