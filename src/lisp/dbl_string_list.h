#pragma once
// String lists of the project editor: names in the order they were added,
// membership tested without regard to letter case (Cyrillic included).
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orv {

class NoCaseStringList {
 public:
  NoCaseStringList() = default;
  NoCaseStringList(std::initializer_list<std::string> items) : items_(items) {}

  // Position of the first entry equal to name with letter case ignored; -1 when none.
  int IndexOf(std::string_view name) const;
  bool Contains(std::string_view name) const { return IndexOf(name) >= 0; }
  void Add(std::string name) { items_.push_back(std::move(name)); }
  // Adds name unless the list holds it already; true when it was added.
  bool AddUnique(std::string_view name);
  void Clear() { items_.clear(); }

  const std::vector<std::string>& Items() const { return items_; }
  size_t size() const { return items_.size(); }
  bool empty() const { return items_.empty(); }
  const std::string& operator[](size_t i) const { return items_[i]; }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  std::vector<std::string> items_;
};

// What one file of a project links to and what it defines.
struct TDblStringList {
  NoCaseStringList Links;        // names of the files it links to
  NoCaseStringList Definitions;  // names of the functions it defines
};

}  // namespace orv
