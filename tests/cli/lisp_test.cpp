#include <gtest/gtest.h>

#include <string>

#include "platform/file_system.h"
#include "support/run_program.h"
#include "support/test_support.h"

namespace orv {
namespace {

using test::ProgramRun;

ProgramRun Orvpak(const std::string& args) {
  return test::RunProgram(ORVPAK_EXE " " + args);
}

std::string Quoted(const std::filesystem::path& path) {
  return test::ShellQuote(PathToUtf8(path));
}

class CliLisp : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteLines(dir / "main.lsp", {"(defun C:Стена (/ p) ; стена", "  (load \"util.lsp\")",
                                        "  (princ \"\\nУкажите точку; Enter - конец\"))",
                                        "(defun helper () (load \"Util.lsp\"))"});
    test::WriteLines(dir / "util.lsp", {"(princ)"});
    test::WriteLines(dir / "lib.ini", {"[стена]", "bmp=wall.bmp"});
    test::WriteBitmap(dir / "wall.bmp");
    test::WriteBitmap(dir / "helper2.bmp");
  }
  test::TempDir dir;
};

TEST_F(CliLisp, ScanPrintsDefinitionsThenLiterals) {
  const std::string expected =
      "Функции:\n"
      "C:Стена\n"
      "helper\n"
      "Строки:\n"
      "\"util.lsp\"\n"
      "\"\\nУкажите точку; Enter - конец\"\n";
  ProgramRun plain = Orvpak("scan " + Quoted(dir / "main.lsp"));
  EXPECT_EQ(plain.exit_code, 0) << plain.err;
  EXPECT_EQ(plain.out, expected);
}

TEST_F(CliLisp, LinksInEachMode) {
  const std::string args = "links " + Quoted(dir / "lib.ini") + " " + Quoted(dir / "main.lsp");
  struct Case {
    std::string mode;
    std::string out;
  } cases[] = {
      {" --mode 0", ""},
      {" --mode 1", "util.lsp\n"},
      {"", "util.lsp\nwall.bmp\nhelper2.bmp\nwall.bmp\n"},
  };
  for (const Case& c : cases) {
    ProgramRun run = Orvpak(args + c.mode);
    EXPECT_EQ(run.exit_code, 0) << c.mode << run.err;
    EXPECT_EQ(run.out, c.out) << c.mode;
  }
}

TEST_F(CliLisp, UnreadableFileFailsWithExitCodeOne) {
  for (const std::string& args :
       {"scan " + Quoted(dir / "none.lsp"),
        "links " + Quoted(dir / "lib.ini") + " " + Quoted(dir / "none.lsp") + " --mode 0",
        "scan " + Quoted(dir.path())}) {
    ProgramRun run = Orvpak(args);
    EXPECT_EQ(run.exit_code, 1) << args;
    EXPECT_FALSE(run.err.empty()) << args;
  }
  EXPECT_EQ(
      Orvpak("links " + Quoted(dir / "lib.ini") + " " + Quoted(dir / "main.lsp") + " --mode 3")
          .exit_code,
      2);
}

}  // namespace
}  // namespace orv
