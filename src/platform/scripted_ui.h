#pragma once
// Scripted stand-ins for the dialogs: the tests queue the answers and read what
// was shown; the command-line tool uses them for unattended runs.
#include <deque>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace orv {

// The answer of a box closed without a choice: Cancel, else No, else OK.
Answer EscapeAnswer(unsigned buttons);

class ScriptedMessageBox : public IMessageBox {
 public:
  struct Shown {
    MsgType type;
    std::string text;
    unsigned buttons;
    std::string caption;
  };

  void SetNextAnswer(Answer answer) { answers_.push_back(answer); }
  // When the queue is empty: this answer when the box offers it, else EscapeAnswer.
  void SetDefaultAnswer(Answer answer) { default_answer_ = answer; }

  Answer Show(MsgType type, std::string_view text, unsigned buttons,
              std::string_view caption = {}) override;

  const std::vector<Shown>& shown() const { return shown_; }
  void ClearShown() { shown_.clear(); }

 private:
  std::deque<Answer> answers_;
  Answer default_answer_ = Answer::None;
  std::vector<Shown> shown_;
};

class ScriptedFileDialog : public IFileDialog {
 public:
  void SetNextFileName(std::filesystem::path path) { answers_.emplace_back(std::move(path)); }
  void SetNextCancel() { answers_.emplace_back(std::nullopt); }
  std::optional<std::filesystem::path> Run(const FileDialogRequest& request) override;
  const std::vector<FileDialogRequest>& requests() const { return requests_; }

 private:
  std::deque<std::optional<std::filesystem::path>> answers_;
  std::vector<FileDialogRequest> requests_;
};

class RecordingShell : public IShell {
 public:
  bool OpenFile(const std::filesystem::path& file, bool maximised) override;
  void Beep() override { ++beeps; }
  std::vector<std::filesystem::path> opened;
  int beeps = 0;
};

class RecordingHelp : public IHelp {
 public:
  void ShowTopic(const std::filesystem::path& help_file, std::string_view topic) override;
  std::vector<std::string> topics;
};

}  // namespace orv
