#pragma once
// The registry of a Wine prefix, where AutoCAD keeps its settings when it runs
// under Wine on Linux. Every access goes through Wine's own reg program, which
// talks to the running Wine server, so nothing is lost while AutoCAD is open.
//
// Values are read with "reg export" into a UTF-16 file, because "reg query"
// prints through the console code page and turns Cyrillic into question marks,
// which a read-modify-write of the support path would then store. Values are
// written with "reg add", under a UTF-8 locale so that Wine takes the
// arguments as UTF-8.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace orv {

// The finished run of a child program.
struct ProgramRun {
  int exit_code = -1;
  std::string out;  // standard output
  std::string err;  // standard error
};

// Runs a program found on PATH with the arguments as they stand (no shell),
// with the extra environment entries ("NAME=value") added to this process's
// own, and waits for it. Raises RegistryError when it cannot be started or has
// not ended within timeout_seconds (it is then killed).
ProgramRun RunProgram(const std::vector<std::string>& argv,
                      const std::vector<std::string>& extra_environment = {},
                      int timeout_seconds = 120);

// The text of a .reg export file (UTF-16 with its byte order mark) as UTF-8.
std::string DecodeRegExport(std::string_view bytes);

// The value of one value name in the first key of a .reg export (UTF-8 text);
// nothing when the key has no such value or it is not a string. The empty name
// is the default value.
std::optional<std::string> FindRegExportValue(std::string_view reg_text, std::string_view name);

class WineRegistry : public RegistryStore {
 public:
  // prefix: the Wine prefix; empty: WINEPREFIX, or ~/.wine.
  explicit WineRegistry(std::filesystem::path prefix = {});

  const std::filesystem::path& Prefix() const { return prefix_; }
  // A prefix that was never created holds nothing; reads of it never start
  // Wine, which would otherwise create one.
  bool PrefixExists() const;

  std::optional<std::string> Read(RootKey root, std::string_view key,
                                  std::string_view name) override;
  void Write(RootKey root, std::string_view key, std::string_view name,
             std::string_view value) override;
  // Through "winepath -w".
  std::string WindowsPathOf(const std::filesystem::path& dir) override;

 private:
  ProgramRun Wine(std::vector<std::string> args) const;

  std::filesystem::path prefix_;
};

}  // namespace orv
