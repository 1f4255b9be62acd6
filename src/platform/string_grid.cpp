#include "platform/string_grid.h"

namespace orv {

void StringGrid::SetRowCount(int count) {
  rows_.resize(count, std::vector<std::string>(col_count_));
  ++revision_;
}

void StringGrid::SetCell(int col, int row, std::string text) {
  rows_.at(row).at(col) = std::move(text);
  ++revision_;
}

void StringGrid::MoveRow(int from, int to) {
  if (from == to || from < fixed_rows_ || to < fixed_rows_ || from >= RowCount() ||
      to >= RowCount()) {
    return;
  }
  std::vector<std::string> row = std::move(rows_[from]);
  rows_.erase(rows_.begin() + from);
  rows_.insert(rows_.begin() + to, std::move(row));
  ++revision_;
}

}  // namespace orv
