#include "editor/check_list.h"

#include <algorithm>

#include "platform/text_case.h"

namespace orv {

int CheckListBox::Add(std::string text, std::unique_ptr<TDblStringList> links) {
  auto at = items_.end();
  if (sorted_) {
    at = std::upper_bound(items_.begin(), items_.end(), text,
                          [](const std::string& t, const CheckListItem& item) {
                            return LowerCase(t) < LowerCase(item.text);
                          });
  }
  int index = static_cast<int>(at - items_.begin());
  items_.insert(at, CheckListItem{std::move(text), false, std::move(links)});
  // The selection follows its entry.
  if (item_index_ >= index) ++item_index_;
  ++revision_;
  return index;
}

void CheckListBox::AddStrings(std::vector<std::string> texts) {
  if (!sorted_ || texts.size() < 2) {
    for (std::string& text : texts) Add(std::move(text));
    return;
  }
  const std::string* selected = SelectedText();
  const std::string keep = selected ? *selected : std::string();
  for (std::string& text : texts) items_.push_back(CheckListItem{std::move(text), false, nullptr});
  std::vector<std::pair<std::string, CheckListItem>> keyed;
  keyed.reserve(items_.size());
  for (CheckListItem& item : items_) keyed.emplace_back(LowerCase(item.text), std::move(item));
  // Stable: equal texts stay in the order in which they were added.
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  items_.clear();
  for (auto& [key, item] : keyed) items_.push_back(std::move(item));
  item_index_ = selected ? IndexOf(keep) : -1;
  ++revision_;
}

void CheckListBox::Delete(int index) {
  items_.erase(items_.begin() + index);
  if (item_index_ == index) {
    item_index_ = -1;
  } else if (item_index_ > index) {
    --item_index_;
  }
  ++revision_;
}

void CheckListBox::Clear() {
  items_.clear();
  item_index_ = -1;
  ++revision_;
}

void CheckListBox::SetChecked(int index, bool checked) {
  items_.at(index).checked = checked;
  ++revision_;
}

void CheckListBox::UncheckAll() {
  for (CheckListItem& item : items_) item.checked = false;
  ++revision_;
}

int CheckListBox::IndexOf(std::string_view text) const {
  for (size_t i = 0; i < items_.size(); ++i) {
    if (EqualsNoCase(items_[i].text, text)) return static_cast<int>(i);
  }
  return -1;
}

void CheckListBox::SetItemIndex(int index) {
  item_index_ = index >= 0 && index < Count() ? index : -1;
  ++revision_;
}

const std::string* CheckListBox::SelectedText() const {
  return item_index_ >= 0 ? &items_[item_index_].text : nullptr;
}

}  // namespace orv
