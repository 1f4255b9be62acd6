#include "editor/project_tools.h"
#include "library/distribution.h"
#include "project_fixture.h"

namespace orv::test {
namespace {

using Strings = std::vector<std::string>;
using ProjectTools = ProjectFixture;

TEST_F(ProjectTools, OptimiserKeepsWhatTheSystemReadsAndIsStable) {
  WriteProject({"; written by hand",
                "[file]",
                "a.lsp=",
                "lib.ini=",
                "[Junk]",
                "x=1",
                "[program]",
                "draw=2",
                "helper=",
                "[draw]",
                "caption=Рисовать",
                "extra=zzz",
                "bmp=draw.bmp",
                "submenu=Рисование\\Линии",
                "file=a.lsp",
                "save=",
                "No_Install=Y",
                "program=a.dcl,draw.sld",
                "[helper]",
                "caption=Помощник",
                "save=No",
                "program=",
                "[Рисование]",
                "bmp=r.bmp",
                "[Рисование\\Линии]",
                "note=1",
                "[unused]",
                "bmp=u.bmp",
                "[menu_image]",
                "Lebel_1=[draw.sld]Чертить",
                "Lebel_2=[line.sld]Линия"});
  WriteLines(In("libbat"), {"echo"});
  WriteLines(In("a.lsp"), {"(defun c:draw () (princ))"});
  const std::string optimised = CrLf({"[file]",
                                      "a.lsp=",
                                      "lib.ini=",
                                      "[program]",
                                      "draw=2",
                                      "helper=",
                                      "[draw]",
                                      "bmp=draw.bmp",
                                      "caption=Рисовать",
                                      "file=a.lsp",
                                      "submenu=Рисование\\Линии",
                                      "No_Install=Y",
                                      "program=a.dcl,draw.sld",
                                      "[Рисование]",
                                      "bmp=r.bmp",
                                      "[helper]",
                                      "bmp=",
                                      "caption=Помощник",
                                      "file=",
                                      "save=No",
                                      "[menu_image]",
                                      "Lebel_1=[draw.sld]Чертить",
                                      "Lebel_2=[line.sld]Линия"});
  Open();

  page.ButtonOpimClick();
  EXPECT_EQ(Project(), optimised);
  EXPECT_EQ(Preview(), (Strings{Name("lib.ini"), "  Рисование", "    Линии",
                                "      draw -> Рисовать", "  helper -> Помощник"}));
  page.ButtonOpimClick();
  EXPECT_EQ(Project(), optimised);
  EXPECT_EQ(ReadCp1251(In("lib._ni")), optimised) << "the backup holds the first result";
  EXPECT_TRUE(std::filesystem::exists(In("libbat"))) << "a file nobody asked about stays";

  // Without a project file there is nothing to move aside, and nothing is made up.
  EXPECT_FALSE(OptimiseDescriptionFile(In("none.ini")));
  EXPECT_FALSE(std::filesystem::exists(In("none.ini")));
}

TEST_F(ProjectTools, ExportTakesOverEverythingButDescriptionFileNames) {
  WriteProject({"[file]", "a.lsp=", "lib.ini=", "[qq]", "caption=старое", "bmp=a.bmp"});
  WriteLines(dir / "other/q.ini", {"[file]", "q.lsp=", "Q.INI=", "[program]", "qq=3", "[qq]",
                                   "caption=Новое", "file=q.lsp"});
  WriteLines(In("a.lsp"), {"(princ)"});
  WriteLines(In("q.lsp"), {"(defun c:qq () nil)"});
  Open();
  files.SetNextFileName(dir / "other/q.ini");
  page.CopyIniFileClick();

  EXPECT_EQ(files.requests().back().title, "Выберите новое название для проекта");
  EXPECT_EQ(files.requests().back().filter, "Файлы инсталяции|*.ini");
  EXPECT_EQ(Project(), CrLf({"[file]", "a.lsp=", "lib.ini=", "q.lsp=", "[qq]", "caption=Новое",
                             "bmp=a.bmp", "file=q.lsp", "[program]", "qq=3"}));
  EXPECT_EQ(Texts(page.RxCheckListFile), (Strings{"a.lsp", "q.lsp"})) << "the project is reloaded";
}

TEST_F(ProjectTools, OpeningASourceFileCreatesItsProject) {
  WriteLines(In("abc.lsp"), {"(defun c:abc () (princ))"});
  files.SetNextFileName(In("abc.lsp"));
  page.NevProgClick();
  const FileDialogRequest& request = files.requests().back();
  EXPECT_EQ(request.title, "Проект");
  EXPECT_EQ(request.default_ext, "ini");
  EXPECT_EQ(request.filter, "Файлы инсталяции (*.ini)|*.ini|На основание любого файла (*.*)|*.*");
  EXPECT_EQ(page.FilenameEdit1, Name("abc.ini"));
  EXPECT_EQ(ReadCp1251(In("abc.ini")), CrLf({"[file]", "abc.lsp=", "abc.ini="}));
  EXPECT_EQ(Texts(page.RxCheckListCom), (Strings{"c:abc"}));

  // Cancelled: the project is reloaded, nothing is added.
  const std::string before = ReadCp1251(In("abc.ini"));
  statuses.clear();
  files.SetNextCancel();
  page.NevProgClick();
  EXPECT_EQ(ReadCp1251(In("abc.ini")), before);
  EXPECT_EQ(statuses, (Strings{"Анализ файла abc.lsp", "Анализ файла abc.ini"}));
}

class LibraryCopy : public ProjectFixture {
 protected:
  void SetUp() override {
    WriteLines(In("a.lsp"), {"(defun c:a () (princ))"});
    WriteBitmap(In("a.bmp"));
    WriteProject({"[file]", "a.lsp=", "a.bmp=", "lib.ini=", "[program]", "a=1", "[a]", "caption=А",
                  "file=a.lsp", "bmp=a.bmp"});
    Open();
  }
  void CopyTo(const std::filesystem::path& target) {
    files.SetNextFileName(target);
    page.CopyINIClick();
  }
  const Strings kCopiedProject = {"[file]", "a.lsp=", "a.bmp=",    "%s",         "[program]",
                                  "a=1",    "[a]",    "caption=А", "file=a.lsp", "bmp=a.bmp"};
  std::string CopiedProject(const std::string& own_name) const {
    Strings lines = kCopiedProject;
    lines[3] = own_name + "=";
    return CrLf(lines);
  }
};

TEST_F(LibraryCopy, CopiesEveryFileAndNamesTheCopy) {
  WriteLines(dir / "copy/new.ini", {"[stale]", "x=1"});
  CopyTo(dir / "copy/new.ini");
  EXPECT_EQ(files.requests().back().title, "Выберите каталог и название для проекта");
  EXPECT_EQ(files.requests().back().file_name, "lib.ini");
  EXPECT_TRUE(messages.shown().empty()) << "an existing target is replaced without a question";
  EXPECT_EQ(ReadCp1251(dir / "copy/new.ini"), CopiedProject("new.ini"));
  EXPECT_EQ(ReadBytes(dir / "copy/a.lsp"), ReadBytes(In("a.lsp")));
  EXPECT_FALSE(std::filesystem::exists(dir / "copy/lib.ini"));
  EXPECT_EQ(page.FilenameEdit1, PathToUtf8(dir / "copy/new.ini"));
  EXPECT_EQ(Texts(page.RxCheckListFile), (Strings{"a.lsp", "a.bmp"}));
}

TEST_F(LibraryCopy, IntoItsOwnDirectoryAsksForEveryFileAndRenamesTheProject) {
  messages.SetDefaultAnswer(Answer::Yes);
  CopyTo(In("lib2.ini"));
  EXPECT_EQ(ShownTexts(), (Strings{"У Вас уже установлен файл a.lsp Обновить его (все)",
                                   "У Вас уже установлен файл a.bmp Обновить его (все)",
                                   "У Вас уже установлен файл lib.ini Обновить его (все)"}));
  EXPECT_EQ(ReadCp1251(In("lib2.ini")), CopiedProject("lib2.ini"));
  EXPECT_FALSE(std::filesystem::exists(In("lib.ini")));

  // Only the letter case differs: the project itself must not be deleted first.
  messages.ClearShown();
  CopyTo(In("LIB2.INI"));
  EXPECT_EQ(ReadCp1251(In("LIB2.INI")), CopiedProject("lib2.ini"));
}

TEST_F(LibraryCopy, CancelStopsTheCopy) {
  WriteLines(dir / "copy/a.lsp", {"(old)"});
  messages.SetNextAnswer(Answer::Cancel);
  try {
    CopyTo(dir / "copy/new.ini");
    ADD_FAILURE() << "no error";
  } catch (const E_Chek& e) {
    EXPECT_EQ(e.Message(), "Прерванно пользователем");
  }
  EXPECT_EQ(ReadCp1251(dir / "copy/a.lsp"), CrLf({"(old)"}));
  EXPECT_FALSE(std::filesystem::exists(dir / "copy/new.ini"));
  EXPECT_EQ(page.FilenameEdit1, Name("lib.ini"));
}

TEST_F(LibraryCopy, AProjectThatDoesNotListItselfKeepsItsPrograms) {
  WriteProject({"[file]", "a.lsp=", "[program]", "a=1", "[a]", "caption=А"});
  std::filesystem::create_directories(dir / "copy");
  CopyTo(dir / "copy/new.ini");
  EXPECT_EQ(ReadCp1251(dir / "copy/new.ini"),
            CrLf({"[file]", "a.lsp=", "new.ini=", "[program]", "a=1", "[a]", "caption=А"}));
}

}  // namespace
}  // namespace orv::test
