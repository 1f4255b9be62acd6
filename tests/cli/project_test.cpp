#include <gtest/gtest.h>

#include "support/run_program.h"
#include "support/test_support.h"

namespace orv {
namespace {

using test::CrLf;
using test::ProgramRun;

// A program directory (for the settings) and a project directory with a.lsp,
// which loads b.lsp, and a picture.
class CliProject : public ::testing::Test {
 protected:
  CliProject() {
    test::WriteLines(dir / "proj/a.lsp",
                     {"(defun C:Draw () (load \"b.lsp\"))", "(defun helper () 1)"});
    test::WriteLines(dir / "proj/b.lsp", {"(defun c:line () (princ))"});
    test::WriteBitmap(dir / "proj/draw.bmp");
    std::filesystem::create_directories(dir / "prog");
  }
  ProgramRun Project(const std::string& args, const std::string& input = {}) {
    return test::RunProgram(ORVPAK_EXE " --dir " + test::ShellQuote((dir / "prog").string()) +
                                " project " + test::ShellQuote((dir / "proj/lib.ini").string()) +
                                " " + args,
                            input);
  }
  std::string Ini() const { return test::ReadCp1251(dir / "proj/lib.ini"); }

  test::TempDir dir;
};

TEST_F(CliProject, BuildsAProjectStepByStep) {
  for (const char* step :
       {"add a.lsp --mode 1", "add draw.bmp", "register draw", "set draw caption Рисовать",
        "set c:draw submenu 'Рис\\Линии'", "set draw bmp draw.bmp", "set draw files b.lsp,a.lsp",
        "register helper", "set helper save off"}) {
    ProgramRun run = Project(step);
    ASSERT_EQ(run.exit_code, 0) << step << "\n" << run.err;
  }
  EXPECT_EQ(Ini(),
            CrLf({"[file]", "a.lsp=", "b.lsp=", "draw.bmp=", "lib.ini=", "[draw]", "No_Install=Y",
                  "caption=Рисовать", "submenu=Рис\\Линии", "bmp=draw.bmp", "file=a.lsp,b.lsp",
                  "[program]", "draw=", "helper=", "[helper]", "save=No"}));

  ProgramRun show = Project("show --mode 1");
  EXPECT_EQ(show.exit_code, 0) << show.err;
  EXPECT_EQ(show.out,
            "Файлы проекта:\n"
            "  a.lsp\n"
            "    связи: b.lsp\n"
            "    определяет: C:Draw, helper\n"
            "  b.lsp\n"
            "    определяет: c:line\n"
            "  draw.bmp\n"
            "Программы проекта:\n"
            "  [x] c:draw\n"
            "    No_Install=Y\n"
            "    caption=Рисовать\n"
            "    submenu=Рис\\Линии\n"
            "    bmp=draw.bmp\n"
            "    file=a.lsp,b.lsp\n"
            "  [ ] c:line\n"
            "  [x] helper\n"
            "    save=No\n");

  EXPECT_EQ(Project("unregister helper").exit_code, 0);
  EXPECT_EQ(Project("set helper save on").exit_code, 0);
  EXPECT_EQ(Ini().find("helper="), std::string::npos);
  EXPECT_EQ(Ini().find("save=No"), std::string::npos);
}

TEST_F(CliProject, TheLinkModeDefaultsToTheSavedOne) {
  test::WriteLines(dir / "prog/Set_Param.dat", {"[Setup]", "Auto_Sv=1"});
  ASSERT_EQ(Project("add a.lsp").exit_code, 0);
  EXPECT_EQ(Ini(), CrLf({"[file]", "a.lsp=", "b.lsp=", "lib.ini="}));
  test::WriteLines(dir / "prog/Set_Param.dat", {"[Setup]", "Auto_Sv=0"});
  std::filesystem::remove(dir / "proj/lib.ini");
  ASSERT_EQ(Project("add a.lsp").exit_code, 0);
  EXPECT_EQ(Ini(), CrLf({"[file]", "a.lsp=", "lib.ini="}));
}

TEST_F(CliProject, RefusalsAndMistakesFail) {
  ASSERT_EQ(Project("add a.lsp --mode 1").exit_code, 0);
  const std::string before = Ini();

  ProgramRun refused = Project("remove b.lsp --mode 1");
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_EQ(refused.err,
            "На выделенный Файл есть ссылки в других файлах. Удаление отменено! (файл можно "
            "удалить в режиме отсутсвия авто-связей)\n");
  // No answer on the input: the question is cancelled.
  EXPECT_EQ(Project("remove a.lsp --mode 1").exit_code, 1);
  test::WriteLines(dir / "other/x.lsp", {"(princ)"});
  ProgramRun outside = Project("add " + test::ShellQuote((dir / "other/x.lsp").string()));
  EXPECT_EQ(outside.exit_code, 1);
  EXPECT_EQ(outside.err, "Извините, но Вы можете добавлять файлы только из каталога " +
                             (dir / "proj").string() + "/   \n");
  EXPECT_EQ(Project("register nosuch").exit_code, 1);
  EXPECT_EQ(Project("set draw save off").exit_code, 1) << "a command has no auto-save choice";
  EXPECT_EQ(Project("set helper save maybe").exit_code, 2);
  EXPECT_EQ(Project("set draw bmp a.lsp").exit_code, 1);
  EXPECT_EQ(Project("add a.lsp --mode 7").exit_code, 2);
  EXPECT_EQ(Ini(), before);

  ProgramRun removed = Project("remove a.lsp --mode 1 --yes");
  EXPECT_EQ(removed.exit_code, 0) << removed.err;
  EXPECT_EQ(Ini(), CrLf({"[file]", "lib.ini="}));

  std::filesystem::remove(dir / "proj/lib.ini");
  EXPECT_EQ(Project("show").exit_code, 1);
  EXPECT_FALSE(std::filesystem::exists(dir / "proj/lib.ini"));
}

TEST_F(CliProject, OptimiseExportAndCopy) {
  test::WriteLines(dir / "proj/lib.ini",
                   {"[file]", "a.lsp=", "lib.ini=", "[program]", "draw=1", "[draw]", "caption=Р",
                    "junk=1", "[menu_image]", "Lebel_1=[draw]Р"});
  ASSERT_EQ(Project("optimise").exit_code, 0);
  const std::string optimised =
      CrLf({"[file]", "a.lsp=", "lib.ini=", "[program]", "draw=1", "[draw]", "bmp=", "caption=Р",
            "file=", "[menu_image]", "Lebel_1=[draw]Р"});
  EXPECT_EQ(Ini(), optimised);

  test::WriteLines(dir / "q/q.ini", {"[file]", "b.lsp=", "q.ini=", "[line]", "caption=Л"});
  ASSERT_EQ(Project("export " + test::ShellQuote((dir / "q/q.ini").string())).exit_code, 0);
  EXPECT_EQ(Ini(), CrLf({"[file]", "a.lsp=", "lib.ini=", "b.lsp=", "[program]", "draw=1", "[draw]",
                         "bmp=", "caption=Р", "file=", "[menu_image]", "Lebel_1=[draw]Р", "[line]",
                         "caption=Л"}));

  std::filesystem::create_directories(dir / "copy");
  test::WriteLines(dir / "copy/a.lsp", {"(old)"});
  const std::string target = test::ShellQuote((dir / "copy/new.ini").string());
  ProgramRun cancelled = Project("copy " + target);
  EXPECT_EQ(cancelled.exit_code, 1);
  EXPECT_NE(cancelled.err.find("Прерванно пользователем"), std::string::npos);
  ProgramRun copied = Project("copy " + target + " --yes");
  EXPECT_EQ(copied.exit_code, 0) << copied.err;
  EXPECT_EQ(test::ReadBytes(dir / "copy/a.lsp"), test::ReadBytes(dir / "proj/a.lsp"));
  EXPECT_NE(
      test::ReadCp1251(dir / "copy/new.ini").find("[file]\r\na.lsp=\r\nb.lsp=\r\nnew.ini=\r\n"),
      std::string::npos);
}

}  // namespace
}  // namespace orv
