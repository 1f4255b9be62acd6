// Orvek_Pak, the main program. It takes no arguments: everything it works on
// lies in the directory of its own program file.
#include <QApplication>

#include "app/main_form.h"
#include "gui/common/qt_dialogs.h"
#include "gui/common/qt_shell.h"
#include "gui/main/add_library_dialog.h"
#include "gui/main/desktop_help.h"
#include "gui/main/main_window.h"
#include "platform/file_system.h"

int main(int argc, char** argv) {
  using namespace orv;
  using namespace orv::gui;
  QApplication app(argc, argv);
  // Message boxes carry the program's caption as their title.
  QApplication::setApplicationDisplayName(Q(kMainCaption));

  QtMessageBox messages;
  QtFileDialog files;
  QtShell shell;
  DesktopHelp help(messages, shell);
  TMainForm form(RunningProgramDirectory(), UiServices{messages, files, shell, help});
  InstallAddLibraryDialog(form.Form1);
  // The first run ends inside Create without showing the window.
  if (!form.Create()) return 0;

  MainWindow window(form);
  messages.SetParent(&window);
  files.SetParent(&window);
  window.show();
  app.exec();
  return 0;
}
