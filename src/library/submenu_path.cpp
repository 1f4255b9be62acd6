#include "library/submenu_path.h"

#include <algorithm>

#include "platform/text_case.h"

namespace orv {

int PathLevelCount(std::string_view path) {
  if (path.empty()) return 0;
  return 1 + static_cast<int>(std::count(path.begin(), path.end(), '\\'));
}

std::string PathComponent(std::string_view path, int n) {
  if (n <= 0) return {};
  int count = PathLevelCount(path);
  if (n > count) n = count;
  size_t start = 0;
  for (int level = 1; level < n; ++level) start = path.find('\\', start) + 1;
  size_t end = path.find('\\', start);
  return std::string(path.substr(start, end == std::string_view::npos ? path.npos : end - start));
}

std::string PathPrefix(std::string_view path, int n) {
  std::string prefix = PathComponent(path, 1);
  for (int k = 2; k <= n; ++k) prefix += "\\" + PathComponent(path, k);
  return prefix;
}

std::string PathLastComponent(std::string_view path) {
  size_t pos = path.rfind('\\');
  return std::string(pos == std::string_view::npos ? path : path.substr(pos + 1));
}

int PathSharedDepth(std::string_view a, std::string_view b) {
  int levels = std::min(PathLevelCount(a), PathLevelCount(b));
  int shared = 0;
  for (int k = 1; k <= levels; ++k) {
    if (LatinUpperCase(PathComponent(a, k)) != LatinUpperCase(PathComponent(b, k))) break;
    ++shared;
  }
  return shared;
}

}  // namespace orv
