#include "gui/common/qt_shell.h"

#include <QApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <array>
#include <string_view>

#include "gui/common/qt_dialogs.h"
#include "platform/file_system.h"
#include "platform/text_case.h"

#ifdef _WIN32
// clang-format off
#include "platform/win32.h"
#include <shellapi.h>
// clang-format on
#endif

namespace orv::gui {

#ifndef _WIN32
namespace {
bool IsWindowsProgram(const std::filesystem::path& file) {
  static constexpr std::array<std::string_view, 4> kExtensions = {".bat", ".cmd", ".exe", ".com"};
  std::string ext = PathToUtf8(file.extension());
  for (std::string_view e : kExtensions) {
    if (EqualsNoCase(ext, e)) return true;
  }
  return false;
}
}  // namespace
#endif

std::optional<ShellCommand> WineStartCommand(const std::filesystem::path& file, bool maximised,
                                             const QString& wine) {
#ifdef _WIN32
  (void)file;
  (void)maximised;
  (void)wine;
  return std::nullopt;
#else
  if (!IsWindowsProgram(file)) return std::nullopt;
  ShellCommand command{wine, {QStringLiteral("start")}};
  // start takes its options before /unix, which must come last: the next
  // argument is the file, given as the Unix path it is.
  if (maximised) command.arguments << QStringLiteral("/max");
  command.arguments << QStringLiteral("/unix") << Q(PathToUtf8(file));
  return command;
#endif
}

bool QtShell::OpenFile(const std::filesystem::path& file, bool maximised) {
  std::filesystem::path target = ResolvePath(file);
#ifdef _WIN32
  // The shell's open verb, which alone can ask for a maximised window.
  HINSTANCE result =
      ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, target.parent_path().c_str(),
                    maximised ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
#else
  if (auto command = WineStartCommand(target, maximised)) {
    QString wine = QStandardPaths::findExecutable(command->program);
    if (wine.isEmpty()) return false;
    return QProcess::startDetached(wine, command->arguments, Q(PathToUtf8(target.parent_path())));
  }
  return QDesktopServices::openUrl(QUrl::fromLocalFile(Q(PathToUtf8(target))));
#endif
}

void QtShell::Beep() {
  QApplication::beep();
}

}  // namespace orv::gui
