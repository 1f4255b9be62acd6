#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "support/run_program.h"
#include "support/test_support.h"

namespace orv {
namespace {

using test::ProgramRun;

ProgramRun Orvpak(const std::string& args) {
  return test::RunProgram(ORVPAK_EXE " " + args);
}

TEST(CliTree, PrintsTheMenuTreeWithImageIndices) {
  test::TempDir dir;
  test::WriteBitmap(dir / "LIB_M.bmp");
  test::WriteBitmap(dir / "s.bmp");
  test::WriteLines(dir / "Set_Param.dat", {"[Setup]", "Menu_Name=M1"});
  test::WriteLines(dir / "Orvpak.set", {"[program]", "b=2", "a=1", "[a]", "caption=Альфа",
                                        "submenu=Раздел", "bmp=s.bmp", "[b]", "caption=Бета"});
  ProgramRun run = Orvpak("--dir " + test::ShellQuote(dir.path().string()) + " tree");
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.out,
            "M1 -> Библ.\t0\n"
            "  Раздел\t0\n"
            "    a -> Альфа\t1\n"
            "  b -> Бета\t0\n");
}

TEST(CliTree, UsageAndFailureExitCodes) {
  EXPECT_EQ(Orvpak("").exit_code, 2);
  EXPECT_EQ(Orvpak("no-such-command").exit_code, 2);
  EXPECT_EQ(Orvpak("--help").exit_code, 0);
  EXPECT_EQ(Orvpak("tree --help").exit_code, 0);
  ProgramRun missing = Orvpak("--dir /no/such/dir tree");
  EXPECT_EQ(missing.exit_code, 1);
  // Named as this system spells the absolute path (Z:\no\such\dir under Wine).
  EXPECT_NE(missing.err.find(PathToUtf8(std::filesystem::absolute("/no/such/dir"))),
            std::string::npos)
      << missing.err;
}

}  // namespace
}  // namespace orv
