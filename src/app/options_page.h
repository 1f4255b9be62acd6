#pragma once
// The page "Дополнительно": the error-handler option and the information about
// the program.
#include <filesystem>

#include "library/data_module.h"

namespace orv {

class OptionsPage {
 public:
  OptionsPage(TDataModule1& data_module) : data_module_(data_module) {}

  // "Не использовать встроенную функцию *ERROR* (не подумав не включай)":
  // ticked means the error handler is not used.
  bool CheckBoxNoError = false;

  // Sets the box as a click would and runs the click handler.
  void SetCheckBoxNoError(bool ticked);
  // Stores the option: "y" when ticked, the empty value when cleared.
  void CheckBoxNoErrorClick();

 private:
  TDataModule1& data_module_;
};

}  // namespace orv
