#include "gui/main/desktop_help.h"

#include <string>

#include "platform/file_system.h"

namespace orv::gui {

void DesktopHelp::ShowTopic(const std::filesystem::path& help_file, std::string_view) {
  if (!FileExists(help_file)) {
    messages_.Show(MsgType::Warning, "Не найден файл справки " + PathToUtf8(help_file), kOk);
    return;
  }
  if (!shell_.OpenFile(ResolvePath(help_file), false)) {
    messages_.Show(MsgType::Warning,
                   "Не удалось открыть файл справки " + PathToUtf8(help_file) +
                       ": для него нет программы просмотра",
                   kOk);
  }
}

}  // namespace orv::gui
