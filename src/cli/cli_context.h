#pragma once
// What every command of the command-line tool shares: the program directory,
// the answers to questions, and the dialogs the logic asks for.
#include <filesystem>
#include <iosfwd>
#include <string>

#include "platform/dialogs.h"
#include "platform/scripted_ui.h"

namespace CLI {
class App;
}

namespace orv::cli {

// Exit codes of the tool.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// An operation failed; main prints the message on standard error and exits 1.
struct CommandFailed {
  std::string message;
  int exit_code = kExitFailed;
};

// Prints each question with its Russian text and reads the answer from
// standard input: a line y, n, a or c (OK counts as y). End of input answers
// Cancel, or No where there is no Cancel. With assume_yes every question is
// answered OK / Yes / All without reading.
class ConsoleMessageBox : public IMessageBox {
 public:
  ConsoleMessageBox(std::istream& in, std::ostream& out) : in_(in), out_(out) {}
  bool assume_yes = false;
  Answer Show(MsgType type, std::string_view text, unsigned buttons,
              std::string_view caption = {}) override;

 private:
  std::istream& in_;
  std::ostream& out_;
};

// No window: file dialogs are cancelled, the shell and help only report.
class ConsoleShell : public IShell {
 public:
  explicit ConsoleShell(std::ostream& out) : out_(out) {}
  bool OpenFile(const std::filesystem::path& file, bool maximised) override;
  void Beep() override {}

 private:
  std::ostream& out_;
};

class ConsoleHelp : public IHelp {
 public:
  void ShowTopic(const std::filesystem::path&, std::string_view) override {}
};

struct CliContext {
  std::string dir_option;  // --dir, empty: the directory of the running program
  bool assume_yes = false;

  std::filesystem::path ProgramDir() const;

  ConsoleMessageBox& Messages();
  ScriptedFileDialog files;  // cancels every dialog
  ConsoleShell& Shell();
  ConsoleHelp help;
  UiServices Ui();
};

// On Windows: the arguments as UTF-8 and the console in UTF-8 with LF line
// ends, as elsewhere. Called first in main.
void UseUtf8Console(int& argc, char**& argv);

// Each command file adds its commands to the tool.
void AddTreeCommand(CLI::App& app, CliContext& ctx);
void AddInstallCommand(CLI::App& app, CliContext& ctx);
void AddParamsCommands(CLI::App& app, CliContext& ctx);
void AddGenerateCommands(CLI::App& app, CliContext& ctx);
void AddLibraryCommands(CLI::App& app, CliContext& ctx);
void AddProjectCommands(CLI::App& app, CliContext& ctx);
void AddLispCommands(CLI::App& app, CliContext& ctx);

}  // namespace orv::cli
