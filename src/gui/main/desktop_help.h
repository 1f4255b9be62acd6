#pragma once
// The help command without a viewer for the old help format: the desktop opens
// the help file with whatever it has for it, at its start, since a topic
// cannot be handed over. A missing file, or one that nothing opens, is said in
// a message box instead of silently doing nothing.
#include "platform/dialogs.h"

namespace orv::gui {

class DesktopHelp : public IHelp {
 public:
  DesktopHelp(IMessageBox& messages, IShell& shell) : messages_(messages), shell_(shell) {}
  void ShowTopic(const std::filesystem::path& help_file, std::string_view topic) override;

 private:
  IMessageBox& messages_;
  IShell& shell_;
};

}  // namespace orv::gui
