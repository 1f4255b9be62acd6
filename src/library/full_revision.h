#pragma once
// The cleaning step of the full revision: libraries that lost a file go, the
// catalog is rebuilt, and every file of the program directory that no library
// lists and that is not one of the system's own is deleted.
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "library/data_module.h"

namespace orv {

// The files a full revision keeps. Names that libraries list must match
// exactly, letter case included. The system's own files (the settings, the
// template, the support files, the program, the menu bitmap and File_Plus)
// match without regard to letter case, because the program finds them that
// way; and the running program file is kept whatever its name.
class FullRevisionKeepList {
 public:
  FullRevisionKeepList(const std::filesystem::path& program_dir,
                       const std::filesystem::path& catalog);
  bool Keeps(std::string_view file_name) const;

 private:
  std::filesystem::path program_dir_;
  std::filesystem::path running_program_;
  std::unordered_set<std::string> listed_;
  std::unordered_set<std::string> own_;  // lower-cased
};

// Counting pass: deletes nothing and returns the steps of the working pass,
// counted over the directory as it stands. Working pass: returns 0.
int FullRevisionSteps(TDataModule1& dm, const std::filesystem::path& catalog, bool pass);

}  // namespace orv
