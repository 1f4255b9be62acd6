#include "gui/main/command_handlers.h"

#include <map>

#include "app/main_form.h"

namespace orv::gui {

std::function<void(TMainForm&)> CommandHandler(const std::string& command) {
  static const std::map<std::string, void (TMainForm::*)()> handlers = {
      {"AddLib", &TMainForm::FileOpen1Execute},
      {"MoveDown_1", &TMainForm::MoveDown_1Click},
      {"MoveUp_1", &TMainForm::MoveUp_1Click},
      {"SaveM", &TMainForm::SaveMClick},
      {"DeleteLib", &TMainForm::DeleteLibClick},
      {"Rev", &TMainForm::RevClick},
      {"FullRev", &TMainForm::FullRevClick},
      {"Hlp", &TMainForm::HlpClick},
      {"FileExitItem", &TMainForm::FileExitItemClick},
      {"NevProg", &TMainForm::NevProgClick},
      {"AddFil", &TMainForm::AddFilClick},
      {"DelFil", &TMainForm::DelFilClick},
      {"ButtonOpim", &TMainForm::ButtonOpimClick},
      {"CopyINI", &TMainForm::CopyINIClick},
      {"CopyIniFile", &TMainForm::CopyIniFileClick},
  };
  auto found = handlers.find(command);
  if (found == handlers.end()) return {};
  return [member = found->second](TMainForm& form) { (form.*member)(); };
}

}  // namespace orv::gui
