// Pakstall: installs a new version of the library program in its own
// directory and registers that directory with AutoCAD. Takes no arguments.
#include <QApplication>

#include "gui/common/qt_dialogs.h"
#include "gui/installer/ok_bottom_dlg_view.h"
#include "installer/ok_bottom_dlg.h"
#include "platform/file_system.h"
#include "platform/registry.h"

int main(int argc, char** argv) {
  using namespace orv;
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(gui::Q(installer::kCaption));

  gui::QtMessageBox messages;
  std::unique_ptr<RegistryStore> registry = OpenPlatformRegistry();
  TOKBottomDlg model(RunningProgramDirectory(), messages, *registry);
  if (!model.FormCreate()) return model.ExitCode();

  gui::OKBottomDlgView dialog(model, messages);
  messages.SetParent(&dialog);
  dialog.exec();
  return model.ExitCode();
}
