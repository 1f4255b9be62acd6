#pragma once
// The page "Параметры вывода": the output parameters of section Set_out of the
// settings file in a grid of names and values. Only values can be changed; the
// grid is written back when the page is left.
#include <filesystem>
#include <string>

#include "platform/dialogs.h"
#include "platform/string_grid.h"

namespace orv {

class ParamsPage {
 public:
  ParamsPage(std::filesystem::path program_dir, IShell& shell)
      : program_dir_(std::move(program_dir)), shell_(shell) {}

  // Two columns "Название" and "Значение", the first row fixed as header.
  StringGrid StringGrid1{2, 1};
  // The text of the cell in which editing began last.
  std::string SavedCellText;

  // Fills the grid from the settings file, read anew.
  void Fill();
  // Writes every row's value under the key its name cell holds.
  void WriteBack();

  // Editing of a cell begins.
  void StringGrid1GetEditText(int col, int row);
  // The text of a cell changes while edited: names and header restore their
  // text with a beep, values take the change.
  void StringGrid1SetEditText(int col, int row, const std::string& value);

 private:
  std::filesystem::path program_dir_;
  IShell& shell_;
};

}  // namespace orv
