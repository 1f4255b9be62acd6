#include "lisp/dbl_string_list.h"

#include "platform/text_case.h"

namespace orv {

int NoCaseStringList::IndexOf(std::string_view name) const {
  for (size_t i = 0; i < items_.size(); ++i) {
    if (EqualsNoCase(items_[i], name)) return static_cast<int>(i);
  }
  return -1;
}

bool NoCaseStringList::AddUnique(std::string_view name) {
  if (Contains(name)) return false;
  items_.emplace_back(name);
  return true;
}

}  // namespace orv
