#include <gtest/gtest.h>

#include "library/library_fixture.h"
#include "platform/ini_file.h"
#include "support/run_program.h"

namespace orv {
namespace {

using test::ProgramRun;
using test::ShellQuote;

class CliLibraryTest : public ::testing::Test {
 protected:
  CliLibraryTest() {
    test::WriteLines(prog / "Set_Param.dat", {"[Setup]", "First_Run=0"});
    test::WriteLines(prog / "Orvpak.mtt", {"(princ)"});
    test::WriteLibrary(dist, library);
  }
  ProgramRun Orvpak(const std::string& args, const std::string& input = {}) {
    return test::RunProgram(ORVPAK_EXE " --dir " + ShellQuote(prog.string()) + " " + args, input);
  }
  std::string Dist(const std::string& name) { return ShellQuote((dist / name).string()); }
  bool Installed(const std::string& name) { return std::filesystem::exists(prog / name); }

  test::TempDir root;
  std::filesystem::path prog = root / "prog";
  std::filesystem::path dist = root / "dist";
  test::FixtureLibrary library = {
      "stena",
      {{"stena", "Стена", "Арх", ""}, {"okno", "Окно", "Арх", ""}, {"dver", "Дверь", "", ""}},
      {}};
};

TEST_F(CliLibraryTest, AddInstallsAndAnswersQuestionsFromStandardInput) {
  ProgramRun run = Orvpak("add " + Dist("stena.ini"));
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_NE(run.out.find("Идет подготовка\nПроверка загружемой библиотеки\nКопирование файлов\n"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("Процесс добавления завершен успешно\n"), std::string::npos);
  EXPECT_TRUE(Installed("stena.ini") && Installed("LIB_M.mns"));
  EXPECT_EQ(Orvpak("order").out, "2\tstena\tАрх\n3\tokno\tАрх\n4\tdver\t\n");

  // Again: the program question answered All, then the files one by one.
  run = Orvpak("add " + Dist("stena.ini"), "a\ny\nn\nx\na\n");
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_NE(
      run.out.find("Внимание: У Вас уже установлен элемент stena Обновить его (все) [y/n/a] "),
      std::string::npos)
      << run.out;
  EXPECT_EQ(run.out.find("элемент okno"), std::string::npos);
  EXPECT_NE(
      run.out.find("Внимание: У Вас уже установлен файл stena.lsp Обновить его (все) [y/n/a/c] "),
      std::string::npos);
  EXPECT_NE(run.out.find("[y/n/a/c] "), std::string::npos);  // "x" asks again

  // --yes answers everything for an unattended update.
  run = test::RunProgram(ORVPAK_EXE " --dir " + ShellQuote(prog.string()) + " --yes add " +
                         Dist("stena.ini"));
  EXPECT_EQ(run.exit_code, 0) << run.err;
}

TEST_F(CliLibraryTest, AStoppedAddExitsWithOneAndTheStopMessageOnStandardError) {
  ASSERT_EQ(Orvpak("add " + Dist("stena.ini")).exit_code, 0);
  struct Case {
    const char* input;
    const char* check_message;
  } cases[] = {
      {"", "Прерванно пользователем"},  // end of input answers No to the program
      {"n\n", "Прерванно пользователем"},
      {"a\nc\n", "Прерванно пользователем"},  // Cancel at the first installed file
      {"a\n", "Прерванно пользователем"},     // end of input answers Cancel there
  };
  for (const Case& c : cases) {
    ProgramRun run = Orvpak("add " + Dist("stena.ini"), c.input);
    EXPECT_EQ(run.exit_code, 1) << c.input;
    EXPECT_EQ(run.err, "Процесс аварийно остановлен. \"" + std::string(c.check_message) +
                           "\" Рекомендую провести полную ревизию\n")
        << c.input;
  }

  test::WriteLines(dist / "bad.ini", {"[file]", "..\\..\\evil.lsp=", "[program]"});
  ProgramRun run = Orvpak("add " + Dist("bad.ini"));
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_NE(run.err.find("Недопустимое имя файла дистрибутива \"..\\..\\evil.lsp\""),
            std::string::npos)
      << run.err;

  EXPECT_EQ(Orvpak("add " + Dist("missing.ini")).exit_code, 1);
  EXPECT_EQ(Orvpak("add " + ShellQuote((prog / "stena.ini").string())).exit_code, 1);
}

TEST_F(CliLibraryTest, DeleteAsksAndRemovesTheWholeLibrary) {
  ASSERT_EQ(Orvpak("add " + Dist("stena.ini")).exit_code, 0);
  ProgramRun run = Orvpak("delete okno");
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_NE(run.out.find("Удалить следующие программы?  stena, okno, dver    [y/c]"),
            std::string::npos)
      << run.out;
  EXPECT_EQ(run.err, "Прерванно пользователем\n");
  EXPECT_TRUE(Installed("stena.ini"));

  EXPECT_EQ(Orvpak("delete nosuch", "y\n").exit_code, 1);
  EXPECT_EQ(Orvpak("delete Арх", "y\n").exit_code, 1);  // a submenu, not a command

  run = Orvpak("delete OKNO", "y\n");
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_NE(run.out.find("Удаление команд завершено\n"), std::string::npos);
  EXPECT_FALSE(Installed("stena.ini") || Installed("okno.lsp"));
  EXPECT_EQ(Orvpak("order").out, "");
}

TEST_F(CliLibraryTest, MovesAreSavedInTheSameRun) {
  ASSERT_EQ(Orvpak("add " + Dist("stena.ini")).exit_code, 0);
  ProgramRun run = Orvpak("move dver up okno up");
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_NE(run.out.find("Сохранение порядка команд завершено\n"), std::string::npos);
  EXPECT_EQ(Orvpak("order").out, "1\tdver\t\n3\tokno\tАрх\n4\tstena\tАрх\n");
  EXPECT_EQ(TIniFile(prog / "stena.ini").ReadString("program", "dver"), "1");

  // A submenu moves by its path, with its programs.
  ASSERT_EQ(Orvpak("move Арх up").exit_code, 0);
  EXPECT_EQ(Orvpak("order").out, "2\tokno\tАрх\n3\tstena\tАрх\n4\tdver\t\n");

  EXPECT_EQ(Orvpak("move dver sideways").exit_code, 2);
  EXPECT_EQ(Orvpak("move dver").exit_code, 2);
  EXPECT_EQ(Orvpak("move nosuch up").exit_code, 1);

  // save-order writes the positions of the menu as the catalog builds it.
  TIniFile description(prog / "stena.ini");
  description.WriteString("program", "stena", "70");
  description.WriteString("program", "dver", "90");
  ASSERT_EQ(Orvpak("revise").exit_code, 0);
  ProgramRun order = Orvpak("order");
  EXPECT_EQ(order.out, "2\tokno\tАрх\n70\tstena\tАрх\n90\tdver\t\n");
  EXPECT_EQ(order.err, "Порядок команд не сохранен\n");
  ASSERT_EQ(Orvpak("save-order").exit_code, 0);
  order = Orvpak("order");
  EXPECT_EQ(order.out, "2\tokno\tАрх\n3\tstena\tАрх\n4\tdver\t\n");
  EXPECT_EQ(order.err, "");
}

TEST_F(CliLibraryTest, RevisionsSoftAndFull) {
  ASSERT_EQ(Orvpak("add " + Dist("stena.ini")).exit_code, 0);
  test::WriteLines(prog / "junk.txt", {"x"});
  ProgramRun run = Orvpak("revise");
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_NE(run.out.find("Мягкая ревизия завершена\n"), std::string::npos);
  EXPECT_TRUE(Installed("junk.txt"));

  run = Orvpak("revise --full");
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_NE(run.out.find("Не уверен, не нажимай! Продолжить? [y/c]"), std::string::npos);
  EXPECT_TRUE(Installed("junk.txt"));

  run = Orvpak("revise --full", "y\n");
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_NE(run.out.find("Идет удаление не зарегистрированных файлов\n"), std::string::npos);
  EXPECT_NE(run.out.find("Полная ревизия завершена\n"), std::string::npos);
  EXPECT_FALSE(Installed("junk.txt"));
  EXPECT_TRUE(Installed("Orvpak.mtt") && Installed("stena.ini") && Installed("LIB_M.mnl"));
}

}  // namespace
}  // namespace orv
