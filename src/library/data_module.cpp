#include "library/data_module.h"

#include "platform/file_system.h"

namespace orv {

TDataModule1::TDataModule1(std::filesystem::path program_dir, ProgressIndicator& indicator)
    : program_dir_(std::move(program_dir)), indicator_(indicator) {}

std::filesystem::path TDataModule1::CatalogPath() const {
  return ProgramFile(kCatalogFileName);
}

std::filesystem::path TDataModule1::ProgramFile(std::string_view name) const {
  return ResolveFile(program_dir_, name);
}

void TDataModule1::SetProgressPosition(int position) {
  if (position == progress_position_) return;
  progress_position_ = position;
  indicator_.SetPosition(position);
}

void TDataModule1::SetProgressText(std::string_view text) {
  if (text == progress_text_) return;
  progress_text_ = std::string(text);
  indicator_.SetText(progress_text_);
}

}  // namespace orv
