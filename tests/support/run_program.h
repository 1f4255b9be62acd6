#pragma once
// Runs a program of ours as a child process for the command-line tests.
#include <string>

namespace orv::test {

struct ProgramRun {
  int exit_code = -1;
  std::string out;  // standard output
  std::string err;  // standard error
};

// Runs command (a POSIX shell command line) with input as its standard input.
// On Windows the words are split as sh splits them (quotes, backslashes,
// leading NAME=value settings) and the program is started without a shell.
ProgramRun RunProgram(const std::string& command, const std::string& input = {});

// Quotes one argument for the shell.
std::string ShellQuote(const std::string& arg);

}  // namespace orv::test
