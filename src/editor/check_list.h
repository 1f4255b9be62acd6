#pragma once
// A check list box without a window: entries with a check mark, one selected
// entry, and optionally an object owned by each entry. A sorted list keeps its
// entries in ascending order of their text; equal texts stay in the order in
// which they were added.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "lisp/dbl_string_list.h"

namespace orv {

struct CheckListItem {
  std::string text;
  bool checked = false;
  // The analysis of a project file; empty in the programs list.
  std::unique_ptr<TDblStringList> links;
};

class CheckListBox {
 public:
  explicit CheckListBox(bool sorted = false) : sorted_(sorted) {}

  int Count() const { return static_cast<int>(items_.size()); }
  bool Empty() const { return items_.empty(); }
  const CheckListItem& Item(int index) const { return items_.at(index); }
  const std::string& Text(int index) const { return items_.at(index).text; }
  bool Checked(int index) const { return items_.at(index).checked; }
  TDblStringList* Links(int index) const { return items_.at(index).links.get(); }

  // Returns the index of the new entry.
  int Add(std::string text, std::unique_ptr<TDblStringList> links = nullptr);
  // Adds many entries at once; a sorted list sorts them once, not per entry.
  void AddStrings(std::vector<std::string> texts);
  // Removing an entry frees the object it owns.
  void Delete(int index);
  void Clear();
  void SetChecked(int index, bool checked);
  void UncheckAll();

  // The first entry equal to text with letter case ignored; -1 when none.
  int IndexOf(std::string_view text) const;

  // The selected entry; -1 when none.
  int ItemIndex() const { return item_index_; }
  void SetItemIndex(int index);
  const std::string* SelectedText() const;

  unsigned Revision() const { return revision_; }

 private:
  bool sorted_;
  std::vector<CheckListItem> items_;
  int item_index_ = -1;
  unsigned revision_ = 0;
};

}  // namespace orv
