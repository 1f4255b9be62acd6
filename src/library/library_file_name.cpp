#include "library/library_file_name.h"

namespace orv {

bool NameEscapesDirectory(std::string_view name) {
  if (name.empty()) return false;
  if (name.front() == '/' || name.front() == '\\') return true;
  // A drive letter makes the name absolute or relative to that drive's own
  // current directory; either way it is not inside ours.
  if (name.size() >= 2 && name[1] == ':') return true;
  size_t start = 0;
  while (start <= name.size()) {
    size_t end = name.find_first_of("/\\", start);
    if (end == std::string_view::npos) end = name.size();
    if (name.substr(start, end - start) == "..") return true;
    start = end + 1;
  }
  return false;
}

}  // namespace orv
