#include <gtest/gtest.h>

#include "support/run_program.h"
#include "support/test_support.h"

namespace orv {
namespace {

test::ProgramRun Orvpak(const test::TempDir& dir, const std::string& args) {
  return test::RunProgram(std::string(ORVPAK_EXE) + " --dir " +
                          test::ShellQuote(dir.path().string()) + " " + args);
}

TEST(CliParams, PrintsChangesAndRefusesUnknownNames) {
  test::TempDir dir;
  test::WriteLines(dir / "Set_Param.dat", {"[Set_out]", "Layer=0", "Шрифт=ГОСТ"});
  auto list = Orvpak(dir, "params");
  EXPECT_EQ(list.exit_code, 0);
  EXPECT_EQ(list.out, "Layer\t0\nШрифт\tГОСТ\n");

  EXPECT_EQ(Orvpak(dir, "params set шрифт 'a=b'").exit_code, 0);
  EXPECT_EQ(Orvpak(dir, "params set Layer ''").exit_code, 0);
  auto unknown = Orvpak(dir, "params set Нет 1");
  EXPECT_EQ(unknown.exit_code, 1);
  EXPECT_NE(unknown.err.find("Нет"), std::string::npos);
  EXPECT_EQ(test::ReadCp1251(dir / "Set_Param.dat"),
            test::CrLf({"[Set_out]", "Layer=", "Шрифт=a=b"}));
}

TEST(CliParams, NoErrorOptionAsTheCheckBoxSetsIt) {
  test::TempDir dir;
  EXPECT_EQ(Orvpak(dir, "option no-error on").exit_code, 0);
  EXPECT_EQ(test::ReadBytes(dir / "Set_Param.dat"), "[Setup]\r\nNO_ERROR=y\r\n");
  EXPECT_EQ(Orvpak(dir, "option no-error off").exit_code, 0);
  EXPECT_EQ(test::ReadBytes(dir / "Set_Param.dat"), "[Setup]\r\nNO_ERROR=\r\n");
  EXPECT_EQ(Orvpak(dir, "option no-error maybe").exit_code, 2);
}

}  // namespace
}  // namespace orv
