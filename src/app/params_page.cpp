#include "app/params_page.h"

#include "library/settings.h"

namespace orv {

void ParamsPage::Fill() {
  SettingsFile settings(program_dir_);
  auto pairs = settings.Ini().ReadSectionPairs(settings::kSetOut);
  StringGrid1.SetRowCount(static_cast<int>(pairs.size()) + 1);
  StringGrid1.SetCell(0, 0, "Название");
  StringGrid1.SetCell(1, 0, "Значение");
  for (size_t k = 0; k < pairs.size(); ++k) {
    StringGrid1.SetCell(0, static_cast<int>(k) + 1, pairs[k].first);
    StringGrid1.SetCell(1, static_cast<int>(k) + 1, pairs[k].second);
  }
}

void ParamsPage::WriteBack() {
  if (StringGrid1.RowCount() <= 1) return;
  SettingsFile settings(program_dir_);
  IniBatch batch;  // one rewrite of the file for all rows
  for (int row = 1; row < StringGrid1.RowCount(); ++row) {
    settings.Ini().WriteString(settings::kSetOut, StringGrid1.Cell(0, row),
                               StringGrid1.Cell(1, row));
  }
}

void ParamsPage::StringGrid1GetEditText(int col, int row) {
  SavedCellText = StringGrid1.Cell(col, row);
}

void ParamsPage::StringGrid1SetEditText(int col, int row, const std::string& value) {
  if (col == 0 || row == 0) {
    StringGrid1.SetCell(col, row, SavedCellText);
    shell_.Beep();
    return;
  }
  StringGrid1.SetCell(col, row, value);
}

}  // namespace orv
