// The menu files of the worked examples in C:\LIB\, the directory that their
// first and last comment lines name, byte for byte: written by the generation
// in this process and by orvpak.exe, told the directory or finding it as the
// directory of its own program file.
#include <gtest/gtest.h>

#include "lib_dir_fixture.h"
#include "library/data_module.h"
#include "menugen/menu_files.h"
#include "platform/file_system.h"
#include "platform/progress_indicator.h"
#include "support/run_program.h"
#include "support/test_support.h"

namespace orv::test {
namespace {

class WorkedExamplesTest : public LibDirTest {
 protected:
  void SetUp() override { FreshLibrary(); }

  void FreshLibrary() {
    LibDirTest::SetUp();
    if (!HasFatalFailure()) WriteWorkedExampleLibrary(lib);
  }

  void ExpectMenuFiles(const std::string& menu_name) {
    EXPECT_EQ(ReadBytes(Lib(menu_name + ".mns")),
              Cp1251Lines(WorkedExampleMenuSource("C:\\LIB\\", menu_name)));
    EXPECT_EQ(ReadBytes(Lib(menu_name + ".mnl")), Cp1251Lines(WorkedExampleMenuLisp()));
  }
};

TEST_F(WorkedExamplesTest, GenerationWritesBothFilesForCLib) {
  ProgressIndicator indicator;
  TDataModule1 dm(lib, indicator);
  indicator.SetMaximum(GenerateMenuFiles(dm, false));
  GenerateMenuFiles(dm, true);
  ExpectMenuFiles("LIB_M");
}

TEST_F(WorkedExamplesTest, OrvpakGenerateWritesBothFilesForCLib) {
  struct Case {
    const char* what;
    std::string menu_name;  // in Set_Param.dat; LIB_M: no settings file
    bool run_from_lib;      // orvpak.exe copied to C:\LIB and run without --dir
  } cases[] = {
      {"--dir C:\\LIB", "LIB_M", false},
      {"its own directory, a Cyrillic menu name", "Библиотека", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FreshLibrary();
    if (c.menu_name != "LIB_M")
      WriteLines(Lib("Set_Param.dat"), {"[Setup]", "Menu_Name=" + c.menu_name});
    std::string command = std::string(ORVPAK_EXE) + " --dir 'C:\\LIB' generate";
    if (c.run_from_lib) {
      std::filesystem::copy_file(PathFromUtf8(ORVPAK_EXE), Lib("orvpak.exe"));
      command = "'C:\\LIB\\orvpak.exe' generate";
    }
    ProgramRun run = RunProgram(command);
    ASSERT_EQ(run.exit_code, 0) << run.out << run.err;
    // Progress texts reach the console as UTF-8 with LF line ends.
    EXPECT_NE(run.out.find("Идет создание файла " + c.menu_name + ".mns\n"), std::string::npos)
        << run.out;
    ExpectMenuFiles(c.menu_name);
  }
}

// The disk keeps the letter case it has: AutoCAD and the user see the same
// names before and after a generation.
TEST_F(WorkedExamplesTest, MenuFilesUnderAnotherLetterCaseAreReplacedInPlace) {
  WriteLines(Lib("lib_m.mns"), {"old menu"});
  WriteLines(Lib("LIB_M.MNL"), {"old lisp"});
  ProgressIndicator indicator;
  TDataModule1 dm(lib, indicator);
  GenerateMenuFiles(dm, false);
  GenerateMenuFiles(dm, true);
  EXPECT_EQ(ListDirectory(lib, "*.mn?"), (std::vector<std::string>{"LIB_M.MNL", "lib_m.mns"}));
  ExpectMenuFiles("LIB_M");
}

}  // namespace
}  // namespace orv::test
