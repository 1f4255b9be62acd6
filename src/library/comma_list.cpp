#include "library/comma_list.h"

namespace orv {

std::vector<std::string> SplitCommaList(std::string_view list) {
  std::vector<std::string> parts;
  if (list.empty()) return parts;
  size_t start = 0;
  while (true) {
    size_t comma = list.find(',', start);
    if (comma == std::string_view::npos) {
      parts.emplace_back(list.substr(start));
      return parts;
    }
    parts.emplace_back(list.substr(start, comma - start));
    start = comma + 1;
  }
}

bool CommaListHolds(std::string_view list, std::string_view name) {
  size_t start = 0;
  while (true) {
    size_t comma = list.find(',', start);
    if (list.substr(start, comma == std::string_view::npos ? comma : comma - start) == name) {
      return true;
    }
    if (comma == std::string_view::npos) return false;
    start = comma + 1;
  }
}

}  // namespace orv
