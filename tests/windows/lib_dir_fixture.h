#pragma once
// The program directory C:\LIB\ of a workstation, made on drive C: (under Wine
// the prefix's drive_c) for the tests that only make sense on Windows.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "support/worked_example.h"

namespace orv::test {

class LibDirTest : public ::testing::Test {
 protected:
  // Empties C:\LIB, or makes it. A C:\LIB that these tests did not make is
  // someone's library: the test fails and leaves it alone.
  void SetUp() override;
  void TearDown() override;

  // A file of C:\LIB by its UTF-8 name.
  std::filesystem::path Lib(std::string_view name) const;

  const std::filesystem::path lib{L"C:\\LIB"};
};

// What a text file of the system holds: Windows-1251, CR LF after each line.
std::string Cp1251Lines(const std::vector<std::string>& lines);

}  // namespace orv::test
