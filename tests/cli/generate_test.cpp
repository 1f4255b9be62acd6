#include <gtest/gtest.h>

#include "support/run_program.h"
#include "support/test_support.h"

namespace orv {
namespace {

using test::ProgramRun;

class CliGenerate : public ::testing::Test {
 protected:
  test::TempDir dir;

  ProgramRun Orvpak(const std::string& command) {
    return test::RunProgram(ORVPAK_EXE " --dir " + test::ShellQuote(dir.path().string()) + " " +
                            command);
  }

  void SetUp() override {
    test::WriteLines(dir / "Orvpak.mtt", {"(princ)"});
    test::WriteLines(dir / "lib.ini", {"[file]", "a.lsp=", "lib.ini=", "[program]", "a=1", "[a]",
                                       "file=a.lsp", "caption=Альфа"});
  }
};

TEST_F(CliGenerate, PrintsTheProgressTextsAndTheCountedSteps) {
  ProgramRun run = Orvpak("generate");
  EXPECT_EQ(run.exit_code, 0) << run.err;
  // Rebuild 2, menu LISP 1 + 1, pull-down 3, toolbars 5, image menu 5.
  EXPECT_EQ(run.out,
            "Идет подготовка\n"
            "Шагов: 17\n"
            "Идет обновление информации по INI файлам\n"
            "Идет создание файла LIB_M.mnl\n"
            "Идет создание файла LIB_M.mns\n"
            "Создание файлов меню завершено\n");
  std::string mns = test::ReadCp1251(dir / "LIB_M.mns");
  EXPECT_NE(mns.find("\r\n   [Альфа]^C^COV_a \r\n"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(dir / "LIB_M.mnl"));
}

TEST_F(CliGenerate, CatalogRebuildsOnlyTheCatalog) {
  ProgramRun run = Orvpak("catalog");
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.out, "Идет подготовка\nШагов: 2\nОбновление каталога завершено\n");
  EXPECT_EQ(test::ReadCp1251(dir / "Orvpak.set"),
            test::CrLf({"[file]", "a.lsp=lib.ini", "lib.ini=lib.ini", "[program]", "a=1", "[a]",
                        "file=a.lsp", "caption=Альфа"}));
  EXPECT_FALSE(std::filesystem::exists(dir / "LIB_M.mns"));
}

TEST_F(CliGenerate, MissingTemplateFailsWithTheError) {
  std::filesystem::remove(dir / "Orvpak.mtt");
  ProgramRun run = Orvpak("generate");
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_NE(run.err.find("Orvpak.mtt"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(dir / "LIB_M.mns"));
  EXPECT_FALSE(std::filesystem::exists(dir / "Orvpak.set"));
}

}  // namespace
}  // namespace orv
