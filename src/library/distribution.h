#pragma once
// Installing a library from a distribution: the checks of its description file
// with the questions about programs already installed, and the copying of its
// files with the questions about files already installed.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "library/data_module.h"
#include "platform/dialogs.h"

namespace orv {

// A failed check or a refusal of the user; carries the one message shown.
class E_Chek : public std::runtime_error {
 public:
  explicit E_Chek(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

// Counting pass: the number of programs plus the number of files the
// description lists; checks nothing. Working pass: refuses a file name that
// leads out of the directory, then checks each program's required keys and
// asks before updating an installed one (Yes / No / All), then checks that
// every listed file is present; the first fault raises E_Chek. Writes nothing.
int CheckDistribution(TDataModule1& dm, IMessageBox& messages, const std::filesystem::path& catalog,
                      const std::filesystem::path& description, bool pass);

// Counting pass: the number of files the description lists. Working pass:
// copies them from the description's directory into the directory of target,
// asking before replacing an installed file (Yes / No / Cancel / All; Cancel
// raises E_Chek). A copy that fails does not stop the others; its name is
// added to failed. A name that leads out of the directory raises E_Chek before
// anything is copied.
int CopyLibraryFiles(TDataModule1& dm, IMessageBox& messages, const std::filesystem::path& target,
                     const std::filesystem::path& description, bool pass,
                     std::vector<std::string>* failed = nullptr);

}  // namespace orv
