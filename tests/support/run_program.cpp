#include "support/run_program.h"

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

namespace orv::test {

namespace {
std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}
}  // namespace

std::string ShellQuote(const std::string& arg) {
  std::string out = "'";
  for (char c : arg) {
    if (c == '\'') {
      out += "'\\''";
    } else {
      out += c;
    }
  }
  return out + "'";
}

ProgramRun RunProgram(const std::string& command, const std::string& input) {
  static std::mt19937_64 rng{std::random_device{}()};
  auto base = std::filesystem::temp_directory_path() / ("orvpak-run-" + std::to_string(rng()));
  auto in_path = base.string() + ".in", out_path = base.string() + ".out",
       err_path = base.string() + ".err";
  std::ofstream(in_path, std::ios::binary) << input;
  std::string line = command + " < " + ShellQuote(in_path) + " > " + ShellQuote(out_path) + " 2> " +
                     ShellQuote(err_path);
  int status = std::system(line.c_str());
  ProgramRun run;
  run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = Slurp(out_path);
  run.err = Slurp(err_path);
  std::filesystem::remove(in_path);
  std::filesystem::remove(out_path);
  std::filesystem::remove(err_path);
  return run;
}

}  // namespace orv::test
