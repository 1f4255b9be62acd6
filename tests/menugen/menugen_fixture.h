#pragma once
// A program directory with a data module on it, for the menu file writers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "library/data_module.h"
#include "platform/file_system.h"
#include "support/test_support.h"
#include "support/worked_example.h"

namespace orv::test {

class MenugenTest : public ::testing::Test {
 protected:
  TempDir dir;
  ProgressIndicator indicator;
  TDataModule1 dm{dir.path(), indicator};
  std::filesystem::path catalog = dir / "Orvpak.set";
  // The program directory as the comment lines spell it, separator included.
  std::string dir_text = DirectoryWithSeparator(dir.path());

  // STENA at the top, OKNO (two files, no settings kept) in Архитектура.
  static std::vector<std::string> StenaOknoCatalog() { return WorkedExampleCatalog(); }
};

}  // namespace orv::test
