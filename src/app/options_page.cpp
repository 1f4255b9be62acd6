#include "app/options_page.h"

#include "library/settings.h"

namespace orv {

void OptionsPage::SetCheckBoxNoError(bool ticked) {
  CheckBoxNoError = ticked;
  CheckBoxNoErrorClick();
}

void OptionsPage::CheckBoxNoErrorClick() {
  SettingsFile settings(data_module_.ProgramDir());
  data_module_.error_handler_flag = !CheckBoxNoError;
  settings.SetNoError(CheckBoxNoError ? "y" : "");
}

}  // namespace orv
