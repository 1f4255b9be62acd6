#pragma once
// TDataModule1: the state that the library operations share for the whole run
// of the main program. The operations themselves are free functions of the
// subsystems that take the data module.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "library/system_files.h"
#include "platform/progress_indicator.h"

namespace orv {

class TDataModule1 {
 public:
  TDataModule1(std::filesystem::path program_dir, ProgressIndicator& indicator);

  const std::filesystem::path& ProgramDir() const { return program_dir_; }
  // Orvpak.set in the program directory.
  std::filesystem::path CatalogPath() const;
  // A bare name in the program directory.
  std::filesystem::path ProgramFile(std::string_view name) const;

  // Change the indicator only when the value differs from the stored one.
  void SetProgressPosition(int position);
  void SetProgressText(std::string_view text);
  // SetProgressPosition with the stored position plus one.
  void AdvanceProgress() { SetProgressPosition(progress_position_ + 1); }
  int ProgressPosition() const { return progress_position_; }
  const std::string& ProgressText() const { return progress_text_; }
  ProgressIndicator& Indicator() { return indicator_; }

  // Number of the next image menu entry of the catalog.
  int image_label_counter = 0;
  // Text pieces of the LISP file read last.
  std::vector<std::string> LispLines;
  // On when NO_ERROR of the settings is empty or missing.
  bool error_handler_flag = true;

 private:
  std::filesystem::path program_dir_;
  ProgressIndicator& indicator_;
  int progress_position_ = 0;
  std::string progress_text_;
};

}  // namespace orv
