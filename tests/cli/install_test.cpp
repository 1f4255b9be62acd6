// orvpak install: the installer's steps without a window. No Wine prefix is
// given to these runs, so AutoCAD counts as not registered; the registration
// itself is covered by the installer's and the Wine tests.
#include <gtest/gtest.h>

#include "installer/installer_files.h"
#include "support/run_program.h"
#include "support/test_support.h"

namespace orv {
namespace {

test::ProgramRun Install(const test::TempDir& dir, const std::string& args) {
  return test::RunProgram("WINEPREFIX=" + test::ShellQuote((dir / "no-prefix").string()) + " " +
                          std::string(ORVPAK_EXE) + " --dir " +
                          test::ShellQuote(dir.path().string()) + " install " + args);
}

TEST(CliInstall, WithoutANewSettingsFileEndsWithExitCode100) {
  test::TempDir dir;
  test::WriteCp1251(dir / "Orvek_Pak._xe", "new");
  auto run = Install(dir, "");
  EXPECT_EQ(run.exit_code, 100);
  EXPECT_NE(run.out.find("Не найден файл установки новой версии - \"Set_Param._at\""),
            std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(dir / installer::kMainProgramFileName));
}

TEST(CliInstall, FirstInstallationTakesTheGivenNames) {
  test::TempDir dir;
  test::WriteLines(dir / "Set_Param._at", {"[Setup]", "Menu_Name=LIB_M", "First_Run=1"});
  auto run = Install(dir, "--menu-name MYMENU --menu-caption 'Мои программы'");
  // Settings installed, registration not possible here.
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_NE(run.out.find("AutoCAD 2000"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir / "Set_Param._at"));
  EXPECT_EQ(
      test::ReadCp1251(dir / "Set_Param.dat"),
      test::CrLf({"[Setup]", "Menu_Name=MYMENU", "First_Run=1", "Menu_Сaption=Мои программы"}));
  EXPECT_FALSE(std::filesystem::exists(dir / "temp.scr"));
}

TEST(CliInstall, UpdateListsTheDifferingKeysUnlessTheyAreAccepted) {
  test::TempDir dir;
  test::WriteLines(dir / "Set_Param.dat", {"[Setup]", "Menu_Name=USER", "[Set_out]", "Scale=100"});
  test::WriteLines(dir / "Set_Param._at",
                   {"[Setup]", "Menu_Name=LIB_M", "Added=1", "[Set_out]", "Scale=1"});

  auto listed = Install(dir, "");
  EXPECT_EQ(listed.exit_code, 1);
  EXPECT_NE(listed.out.find("Setup -> Menu_Name\tLIB_M\tUSER\n"), std::string::npos);
  EXPECT_EQ(listed.out.find("Scale"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(dir / "Set_Param._at"));

  auto accepted = Install(dir, "--yes");
  EXPECT_EQ(accepted.exit_code, 1);  // settled, but no AutoCAD to register with
  EXPECT_FALSE(std::filesystem::exists(dir / "Set_Param._at"));
  EXPECT_EQ(test::ReadCp1251(dir / "Set_Param.dat"),
            test::CrLf({"[Setup]", "Menu_Name=LIB_M", "Added=1", "[Set_out]", "Scale=100"}));
}

TEST(CliInstall, UpdateWithNothingToSettleSucceedsAndKeepsTheNewFile) {
  test::TempDir dir;
  test::WriteLines(dir / "Set_Param.dat", {"[Setup]", "Menu_Name=M"});
  test::WriteLines(dir / "Set_Param._at", {"[Setup]", "Menu_Name=M", "Added=1"});
  auto run = Install(dir, "");
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_TRUE(std::filesystem::exists(dir / "Set_Param._at"));
  EXPECT_EQ(test::ReadCp1251(dir / "Set_Param.dat"),
            test::CrLf({"[Setup]", "Menu_Name=M", "Added=1"}));
}

}  // namespace
}  // namespace orv
