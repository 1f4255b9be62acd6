#include "cli/cli_context.h"

#include <iostream>
#include <string>

#include "platform/file_system.h"

namespace orv::cli {

namespace {
bool Offers(unsigned buttons, MsgButton b) {
  return (buttons & b) != 0;
}

std::string Choices(unsigned buttons) {
  std::string text;
  auto add = [&](const char* s) { text += text.empty() ? s : std::string("/") + s; };
  if (Offers(buttons, kOk) || Offers(buttons, kYes)) add("y");
  if (Offers(buttons, kNo)) add("n");
  if (Offers(buttons, kAll)) add("a");
  if (Offers(buttons, kCancel)) add("c");
  return text;
}
}  // namespace

Answer ConsoleMessageBox::Show(MsgType type, std::string_view text, unsigned buttons,
                               std::string_view) {
  const char* kind = type == MsgType::Error     ? "Ошибка: "
                     : type == MsgType::Warning ? "Внимание: "
                                                : "";
  out_ << kind << text;
  bool question = (buttons & ~static_cast<unsigned>(kOk)) != 0;
  if (!question) {
    out_ << "\n";
    return Answer::Ok;
  }
  out_ << " [" << Choices(buttons) << "] ";
  if (assume_yes) {
    Answer answer = Offers(buttons, kAll)  ? Answer::All
                    : Offers(buttons, kOk) ? Answer::Ok
                                           : Answer::Yes;
    out_ << (answer == Answer::All ? "a" : "y") << "\n";
    return answer;
  }
  out_.flush();
  std::string line;
  while (std::getline(in_, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line == "y" || line == "Y") {
      if (Offers(buttons, kOk)) return Answer::Ok;
      if (Offers(buttons, kYes)) return Answer::Yes;
    } else if ((line == "n" || line == "N") && Offers(buttons, kNo)) {
      return Answer::No;
    } else if ((line == "a" || line == "A") && Offers(buttons, kAll)) {
      return Answer::All;
    } else if ((line == "c" || line == "C") && Offers(buttons, kCancel)) {
      return Answer::Cancel;
    }
    out_ << "[" << Choices(buttons) << "] ";
    out_.flush();
  }
  out_ << "\n";
  return EscapeAnswer(buttons);
}

bool ConsoleShell::OpenFile(const std::filesystem::path& file, bool) {
  out_ << "Открыть: " << PathToUtf8(file) << "\n";
  return true;
}

std::filesystem::path CliContext::ProgramDir() const {
  if (!dir_option.empty()) return std::filesystem::absolute(PathFromUtf8(dir_option));
  return RunningProgramDirectory();
}

ConsoleMessageBox& CliContext::Messages() {
  static ConsoleMessageBox box(std::cin, std::cout);
  box.assume_yes = assume_yes;
  return box;
}

ConsoleShell& CliContext::Shell() {
  static ConsoleShell shell(std::cout);
  return shell;
}

UiServices CliContext::Ui() {
  return UiServices{Messages(), files, Shell(), help};
}

}  // namespace orv::cli
