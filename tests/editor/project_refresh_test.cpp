#include "lisp/file_links.h"
#include "project_fixture.h"

namespace orv::test {
namespace {

using ProjectRefresh = ProjectFixture;

TEST_F(ProjectRefresh, ProjectNameEndsInIniAndNeverListsItself) {
  struct Case {
    const char* chosen;
    const char* project;
  };
  const Case cases[] = {
      {"abc.lsp", "abc.ini"},  // a source file names a project beside it
      {"lib", "lib.ini"},
      {"Lib.INI", "Lib.INI"},    // an extension in other letters is already right
      {"v1.2/x", "v1.2/x.ini"},  // a dot in a directory is no extension
  };
  for (const Case& c : cases) {
    page.SetProjectName(Name(c.chosen));
    EXPECT_EQ(page.FilenameEdit1, Name(c.project)) << c.chosen;
    EXPECT_EQ(page.LastProject, Name(c.project)) << c.chosen;
  }

  WriteLines(In("a.lsp"), {"(defun c:a () (princ))"});
  WriteProject({"[file]", "a.lsp=", "LIB.INI="});
  Open();
  EXPECT_EQ(Texts(page.RxCheckListFile), (std::vector<std::string>{"a.lsp"}));
  EXPECT_EQ(Preview(), (std::vector<std::string>{Name("lib.ini")}));
  EXPECT_EQ(page.FilenameHistory.front(), Name("lib.ini"));
}

TEST_F(ProjectRefresh, EmptyNameDisablesTheProjectCommandsAndWritesNothing) {
  CommandTable commands;
  for (const char* name : {"NevProg", "AddFil", "ButtonOpim", "CopyINI", "CopyIniFile", "DelFil"}) {
    commands.Add(Command{name, "Файл", name, "", "", name, false, false});
  }
  ProjectPage with_commands(dm, UiServices{messages, files, shell, help}, images, &commands);

  with_commands.SetProjectName("");
  EXPECT_TRUE(with_commands.RxCheckListFile.Empty());
  EXPECT_TRUE(with_commands.RxCheckListCom.Empty());
  ASSERT_EQ(with_commands.TreeView1.Count(), 1);
  EXPECT_EQ(with_commands.TreeView1.First()->text, "");
  EXPECT_FALSE(with_commands.GroupBox6Enabled);
  EXPECT_TRUE(commands.Get("NevProg").enabled);
  for (const char* name : {"AddFil", "ButtonOpim", "CopyINI", "CopyIniFile", "DelFil"}) {
    EXPECT_FALSE(commands.Get(name).enabled) << name;
    EXPECT_TRUE(commands.Get(name).button_visible) << name;
  }
  EXPECT_TRUE(std::filesystem::is_empty(proj));

  with_commands.SetProjectName(Name("new.ini"));
  EXPECT_TRUE(commands.Get("DelFil").enabled);
  EXPECT_TRUE(with_commands.GroupBox6Enabled);
  // A project that does not exist yet is created by its first write only.
  EXPECT_TRUE(std::filesystem::is_empty(proj));
}

TEST_F(ProjectRefresh, KeepsTheAnalysisInTheSameDirectoryAndPrunesOnAMove) {
  WriteLines(In("a.lsp"), {"(defun c:a () (princ))"});
  WriteLines(In("b.lsp"), {"(defun c:b () (princ))"});
  WriteProject({"[file]", "a.lsp=", "b.lsp=", "lib.ini="});
  WriteLines(In("other.ini"), {"[file]", "a.lsp=", "other.ini="});
  WriteLines(dir / "elsewhere/a.lsp", {"(defun c:z () (princ))"});
  WriteLines(dir / "elsewhere/far.ini", {"[file]", "a.lsp="});

  Open();
  const TDblStringList* analysis = page.RxCheckListFile.Links(0);
  statuses.clear();
  Open("other.ini");
  EXPECT_EQ(Texts(page.RxCheckListFile), (std::vector<std::string>{"a.lsp"}));
  EXPECT_EQ(page.RxCheckListFile.Links(0), analysis) << "a.lsp was analysed again";
  EXPECT_EQ(statuses.front(), "Удаляю, из списка, файл b.lsp");

  statuses.clear();
  page.SetProjectName(PathToUtf8(dir / "elsewhere/far.ini"));
  EXPECT_EQ(statuses[0], "Удаляю, из списка, файл a.lsp");
  EXPECT_EQ(statuses[1], "Анализ файла a.lsp");
  EXPECT_EQ(Texts(page.RxCheckListCom), (std::vector<std::string>{"c:z"}));
  EXPECT_EQ(indicator.Position(), indicator.Maximum());
}

TEST_F(ProjectRefresh, AnUnreadableLispFileStopsTheRefresh) {
  WriteLines(In("a.lsp"), {"(defun c:a () (princ))"});
  WriteLines(In("c.lsp"), {"(defun c:c () (princ))"});
  WriteProject({"[file]", "a.lsp=", "missing.lsp=", "c.lsp=", "lib.ini="});
  const std::string before = Project();

  EXPECT_THROW(Open(), IoError);
  EXPECT_EQ(Texts(page.RxCheckListFile), (std::vector<std::string>{"a.lsp", "missing.lsp"}));
  EXPECT_TRUE(page.RxCheckListCom.Empty());
  EXPECT_EQ(page.LastProject, "");
  EXPECT_EQ(statuses.back(), "Анализ файла missing.lsp");
  EXPECT_EQ(Project(), before);
}

TEST_F(ProjectRefresh, ProgramsListOffersCommandsAndRegisteredFunctions) {
  WriteLines(In("a.lsp"),
             {"(defun C:Draw () (helper))", "(defun helper () (princ))", "(defun Reg_Fn () nil)"});
  WriteLines(In("b.lsp"), {"(defun c:draw () (princ))", "(defun ФУНКЦИЯ () (princ))"});
  WriteProject(
      {"[file]", "a.lsp=", "b.lsp=", "lib.ini=", "[program]", "draw=", "REG_FN=", "функция=3"});

  Open();
  EXPECT_EQ(Texts(page.RxCheckListCom),
            (std::vector<std::string>{"c:draw", "c:draw", "reg_fn", "функция"}));
  EXPECT_EQ(CheckedTexts(page.RxCheckListCom), Texts(page.RxCheckListCom));

  page.CheckBoxProgAll = true;
  page.CheckBoxProgAllClick();
  EXPECT_EQ(Texts(page.RxCheckListCom),
            (std::vector<std::string>{"c:draw", "c:draw", "helper", "reg_fn", "функция"}));
  EXPECT_EQ(CheckedTexts(page.RxCheckListCom),
            (std::vector<std::string>{"c:draw", "c:draw", "reg_fn", "функция"}));
}

TEST_F(ProjectRefresh, ChangingTheLinkModeAnalysesEveryFileAgain) {
  WriteLines(In("a.lsp"), {"(defun c:a () (load \"b.lsp\") (load \"nothing.lsp\"))"});
  WriteLines(In("b.lsp"), {"(defun b () (princ))"});
  WriteProject({"[file]", "a.lsp=", "b.lsp=", "lib.ini="});
  page.RadioGroup1 = kLinksNone;
  Open();
  EXPECT_TRUE(page.RxCheckListFile.Links(0)->Links.empty());

  page.RadioGroup1 = kLinksDirect;
  page.RadioGroup1Click();
  EXPECT_EQ(page.RxCheckListFile.Links(0)->Links.Items(), (std::vector<std::string>{"b.lsp"}));
  EXPECT_EQ(page.RxCheckListFile.Links(1)->Definitions.Items(), (std::vector<std::string>{"b"}));
}

}  // namespace
}  // namespace orv::test
