#pragma once
// The shell service on Qt. On Linux the files the system hands to the shell
// (temp.bat above all) are Windows programs and batch files for AutoCAD, which
// runs under Wine: they are started through Wine's own "start". Everything else
// goes to the desktop's opener.
#include <QString>
#include <QStringList>
#include <filesystem>
#include <optional>

#include "platform/dialogs.h"

namespace orv::gui {

// A program with its arguments, started without a shell.
struct ShellCommand {
  QString program;
  QStringList arguments;
};

// The Wine command that starts a Windows program or batch file, or nothing for
// other files and on Windows itself. wine is the Wine launcher to use.
std::optional<ShellCommand> WineStartCommand(const std::filesystem::path& file, bool maximised,
                                             const QString& wine = QStringLiteral("wine"));

class QtShell : public IShell {
 public:
  // Starts the file detached, in its own directory; false when it could not be
  // started (no Wine installed, no opener).
  bool OpenFile(const std::filesystem::path& file, bool maximised) override;
  void Beep() override;
};

}  // namespace orv::gui
