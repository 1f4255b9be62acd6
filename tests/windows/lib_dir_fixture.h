#pragma once
// The program directory C:\LIB\ of a workstation, made on drive C: (under Wine
// the prefix's drive_c) for the tests that only make sense on Windows.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

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

// The installed library of the worked examples: STENA at the top, OKNO (two
// files, settings not kept) in Архитектура, two image menu lines; and a
// template of two lines.
void WriteWorkedExampleLibrary(const std::filesystem::path& dir);
inline const std::vector<std::string> kTemplateLines = {"(defun Get_Setup () nil)",
                                                        "(defun Set_Setup () nil)"};

// Both menu files of the worked examples, every line as AutoCAD reads it.
std::vector<std::string> WorkedExampleMenuSource(const std::string& dir_text,
                                                 const std::string& menu_name);
std::vector<std::string> WorkedExampleMenuLisp();

// What a text file of the system holds: Windows-1251, CR LF after each line.
std::string Cp1251Lines(const std::vector<std::string>& lines);

}  // namespace orv::test
