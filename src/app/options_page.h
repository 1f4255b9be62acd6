#pragma once
// The page "Дополнительно": the error-handler option and the information about
// the program.
#include <filesystem>
#include <string_view>

#include "library/data_module.h"

namespace orv {

inline constexpr std::string_view kProductName = "Вельтран";
inline constexpr std::string_view kVersionText = "Версия 3.0.0.0";
inline constexpr int kAnimationFrames = 8;
inline constexpr int kAnimationIntervalMs = 200;

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

  // The animated picture of "О программе": the frame shown now.
  int AnimationFrame = 0;
  void NextAnimationFrame() { AnimationFrame = (AnimationFrame + 1) % kAnimationFrames; }

 private:
  TDataModule1& data_module_;
};

}  // namespace orv
