#pragma once
// The progress bar of the status bar: a position within a maximum and one line
// of text. It shows only the text; the window draws it again on every change.
#include <functional>
#include <string>

namespace orv {

class ProgressIndicator {
 public:
  int Position() const { return position_; }
  int Maximum() const { return maximum_; }
  const std::string& Text() const { return text_; }

  void SetPosition(int position);
  void SetMaximum(int maximum);
  void SetText(std::string text);

  // Called after every change; the window repaints, the command-line tool prints.
  std::function<void(const ProgressIndicator&)> on_change;
  // Called when the text changes, with the new text.
  std::function<void(const std::string&)> on_text;

 private:
  int position_ = 0;
  int maximum_ = 100;
  std::string text_;
};

}  // namespace orv
