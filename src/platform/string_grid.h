#pragma once
// A grid of text cells without a window: the first rows may be fixed (a header),
// and the user may drag a row to another place.
#include <string>
#include <vector>

namespace orv {

class StringGrid {
 public:
  StringGrid(int col_count, int fixed_rows) : col_count_(col_count), fixed_rows_(fixed_rows) {}

  int ColCount() const { return col_count_; }
  int RowCount() const { return static_cast<int>(rows_.size()); }
  int FixedRows() const { return fixed_rows_; }
  // Grows or shrinks to count rows; new rows are empty.
  void SetRowCount(int count);

  const std::string& Cell(int col, int row) const { return rows_.at(row).at(col); }
  void SetCell(int col, int row, std::string text);

  // Moves a row (not a fixed one) to the place of another, as a drag does.
  void MoveRow(int from, int to);

  unsigned Revision() const { return revision_; }

 private:
  int col_count_;
  int fixed_rows_;
  std::vector<std::vector<std::string>> rows_;
  unsigned revision_ = 0;
};

}  // namespace orv
