#include "platform/scripted_ui.h"

#include "platform/file_system.h"

namespace orv {

Answer EscapeAnswer(unsigned buttons) {
  if (buttons & kCancel) return Answer::Cancel;
  if (buttons & kNo) return Answer::No;
  return Answer::Ok;
}

namespace {
bool Offers(unsigned buttons, Answer answer) {
  switch (answer) {
    case Answer::Ok:
      return buttons & kOk;
    case Answer::Cancel:
      return buttons & kCancel;
    case Answer::Yes:
      return buttons & kYes;
    case Answer::No:
      return buttons & kNo;
    case Answer::All:
      return buttons & kAll;
    case Answer::None:
      return false;
  }
  return false;
}
}  // namespace

Answer ScriptedMessageBox::Show(MsgType type, std::string_view text, unsigned buttons,
                                std::string_view caption) {
  shown_.push_back(Shown{type, std::string(text), buttons, std::string(caption)});
  if (!answers_.empty()) {
    Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  if (Offers(buttons, default_answer_)) return default_answer_;
  return EscapeAnswer(buttons);
}

std::optional<std::filesystem::path> ScriptedFileDialog::Run(const FileDialogRequest& request) {
  requests_.push_back(request);
  if (answers_.empty()) return std::nullopt;
  auto answer = answers_.front();
  answers_.pop_front();
  return answer;
}

bool RecordingShell::OpenFile(const std::filesystem::path& file, bool) {
  opened.push_back(file);
  return true;
}

void RecordingHelp::ShowTopic(const std::filesystem::path& help_file, std::string_view topic) {
  topics.push_back(PathToUtf8(help_file) + "#" + std::string(topic));
}

}  // namespace orv
