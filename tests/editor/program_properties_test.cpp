#include "project_fixture.h"

namespace orv::test {
namespace {

using Strings = std::vector<std::string>;

class ProgramProperties : public ProjectFixture {
 protected:
  void SetUp() override {
    WriteLines(In("a.lsp"), {"(defun C:Draw () (helper))", "(defun helper () (princ))"});
    WriteLines(In("b.lsp"), {"(defun c:line () (princ))"});
    for (const char* picture : {"sub.bmp", "draw.bmp", "line.bmp"}) WriteBitmap(In(picture));
    WriteProject({"[file]",
                  "sub.bmp=",
                  "a.lsp=",
                  "b.lsp=",
                  "draw.bmp=",
                  "line.bmp=",
                  "lib.ini=",
                  "[program]",
                  "draw=1",
                  "line=2",
                  "[draw]",
                  "caption=Рисовать",
                  "submenu=Рисование\\Линии",
                  "bmp=Draw.bmp",
                  "file=a.lsp,B.lsp",
                  "[Рисование\\Линии]",
                  "bmp=sub.bmp",
                  "[line]",
                  "caption=Линия",
                  "submenu=Рисование",
                  "file=b.lsp",
                  "[helper]",
                  "caption=Помощник",
                  "save=No",
                  "No_Install=Y"});
    page.CheckBoxProgAll = true;
    Open();
  }
  int Program(std::string_view name) const { return page.RxCheckListCom.IndexOf(name); }
  int File(std::string_view name) const { return page.RxCheckListFile.IndexOf(name); }
  void SelectProgram(std::string_view name) {
    page.RxCheckListCom.SetItemIndex(Program(name));
    page.RxCheckListComClick();
  }
  void ClickNode(std::string_view text) {
    ASSERT_NE(PreviewNode(text), nullptr) << text;
    page.TreeView1.Select(PreviewNode(text));
    page.TreeView1Click();
  }
  std::string SelectedNode() const {
    return page.TreeView1.Selected() ? page.TreeView1.Selected()->text : "(none)";
  }
};

TEST_F(ProgramProperties, ShowsACommandAndAPlainFunction) {
  EXPECT_EQ(Texts(page.RxCheckListCom), (Strings{"c:draw", "c:line", "helper"}));
  // The refresh ends with the properties of the first program.
  EXPECT_EQ(page.EditCom, "draw");
  EXPECT_FALSE(page.CheckBox1Enabled);
  EXPECT_FALSE(page.CheckBox1);
  EXPECT_EQ(page.EditCaption, "Рисовать");
  EXPECT_EQ(page.EditMenu, "Рисование\\Линии");
  EXPECT_EQ(page.Image1, In("draw.bmp"));
  EXPECT_EQ(CheckedTexts(page.RxCheckListFile), (Strings{"a.lsp", "b.lsp", "draw.bmp"}));
  EXPECT_EQ(SelectedNode(), "draw -> Рисовать");
  EXPECT_TRUE(page.TreeView1.Selected()->expanded);

  SelectProgram("helper");
  EXPECT_EQ(page.EditCom, "helper");
  EXPECT_TRUE(page.CheckBox1Enabled);
  EXPECT_FALSE(page.CheckBox1) << "save=No switches auto-saving off";
  EXPECT_EQ(page.Image1, dir / "prog/LIB_M.bmp");
  EXPECT_TRUE(CheckedTexts(page.RxCheckListFile).empty());
  EXPECT_EQ(SelectedNode(), Name("lib.ini")) << "an unregistered program has no node";

  page.CheckBox1 = true;
  page.CheckBox1Click();
  EXPECT_FALSE(TIniFile(In("lib.ini")).ValueExists("helper", "save"));
  page.CheckBox1 = false;
  page.CheckBox1Click();
  EXPECT_EQ(Value("helper", "save"), "No");
}

TEST_F(ProgramProperties, CheckingAProgramRegistersIt) {
  page.ClickProgramCheck(Program("helper"));
  EXPECT_EQ(Keys("program"), (Strings{"draw", "line", "helper"}));
  EXPECT_FALSE(TIniFile(In("lib.ini")).ValueExists("helper", "No_Install"))
      << "a plain function is called through its loader";
  EXPECT_NE(PreviewNode("helper -> Помощник"), nullptr);

  page.ClickProgramCheck(Program("c:line"));
  EXPECT_FALSE(page.RxCheckListCom.Checked(Program("c:line")));
  EXPECT_EQ(Keys("program"), (Strings{"draw", "helper"}));
  EXPECT_EQ(Value("line", "caption"), "Линия") << "the section stays";
  EXPECT_EQ(PreviewNode("line -> Линия"), nullptr);

  page.ClickProgramCheck(Program("c:line"));
  EXPECT_EQ(Keys("program"), (Strings{"draw", "helper", "line"}));
  EXPECT_EQ(Value("line", "No_Install"), "Y");
  EXPECT_NE(PreviewNode("line -> Линия"), nullptr);
}

TEST_F(ProgramProperties, FileChecksWriteTheFilesAndOnePicture) {
  page.ClickFileCheck(File("line.bmp"));
  EXPECT_EQ(CheckedTexts(page.RxCheckListFile), (Strings{"a.lsp", "b.lsp", "line.bmp"}));
  EXPECT_EQ(page.Image1, In("line.bmp"));
  EXPECT_EQ(Value("draw", "bmp"), "line.bmp");
  EXPECT_NE(PreviewNode("draw -> Рисовать")->image_index, 0);

  page.ClickFileCheck(File("line.bmp"));  // a picture cannot be cleared by a click
  EXPECT_EQ(CheckedTexts(page.RxCheckListFile), (Strings{"a.lsp", "b.lsp", "line.bmp"}));

  page.ClickFileCheck(File("a.lsp"));
  EXPECT_EQ(Value("draw", "file"), "b.lsp");
  page.ClickFileCheck(File("b.lsp"));
  EXPECT_TRUE(TIniFile(In("lib.ini")).ValueExists("draw", "file"));
  EXPECT_EQ(Value("draw", "file"), "");

  // A picture that cannot be loaded is reported and nothing is written.
  TIniFile(In("lib.ini")).WriteString("file", "gone.bmp", "");
  page.FilenameEdit1Change();
  const std::string before = Project();
  page.ClickFileCheck(File("gone.bmp"));
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].type, MsgType::Error);
  EXPECT_EQ(Project(), before);
}

TEST_F(ProgramProperties, LeavingTheCaptionAndSubmenuFieldsMovesTheNode) {
  page.EditCaption = "Чертить";
  page.EditCaptionExit();
  EXPECT_EQ(Value("draw", "caption"), "Чертить");
  EXPECT_EQ(SelectedNode(), "draw -> Чертить");

  page.EditMenu = "Новое";
  page.EditMenuExit();
  EXPECT_EQ(Preview(), (Strings{Name("lib.ini"), "  Новое", "    draw -> Чертить", "  Рисование",
                                "    line -> Линия"}));
  EXPECT_EQ(SelectedNode(), "draw -> Чертить");
  EXPECT_TRUE(page.TreeView1.Focused());
}

TEST_F(ProgramProperties, PreviewClicksSelectProgramsAndGiveSubmenusPictures) {
  ClickNode("line -> Линия");
  EXPECT_EQ(*page.RxCheckListCom.SelectedText(), "c:line");
  EXPECT_EQ(page.EditCom, "line");
  EXPECT_EQ(CheckedTexts(page.RxCheckListFile), (Strings{"b.lsp"}));

  ClickNode("Линии");
  EXPECT_EQ(page.EditCom, "");
  EXPECT_EQ(page.EditCaption, "");
  EXPECT_EQ(page.EditMenu, "Рисование\\Линии");
  EXPECT_EQ(CheckedTexts(page.RxCheckListFile), (Strings{"sub.bmp"}));
  EXPECT_EQ(page.Image1, In("sub.bmp"));
  EXPECT_FALSE(page.CheckBox1Enabled);

  // A submenu without a picture takes the first file when that is a picture.
  ClickNode("Рисование");
  EXPECT_EQ(page.EditMenu, "Рисование");
  EXPECT_EQ(Value("Рисование", "bmp"), "sub.bmp");

  const std::string before = Project();
  ClickNode(Name("lib.ini"));
  EXPECT_EQ(page.EditMenu, "");
  EXPECT_TRUE(CheckedTexts(page.RxCheckListFile).empty());
  // Nothing selected: the fields and file checks have no section to go to.
  page.EditCaption = "x";
  page.EditCaptionExit();
  page.EditMenu = "y";
  page.EditMenuExit();
  page.ClickFileCheck(File("a.lsp"));
  page.CheckBox1 = true;
  page.CheckBox1Click();
  EXPECT_EQ(Project(), before);
}

TEST_F(ProjectFixture, ASubmenuClickWithoutFilesWritesNothing) {
  WriteProject({"[file]", "lib.ini=", "[program]", "x=", "[x]", "caption=X", "submenu=Меню"});
  Open();
  const std::string before = Project();
  page.TreeView1.Select(PreviewNode("Меню"));
  page.TreeView1Click();
  EXPECT_EQ(page.EditMenu, "Меню");
  EXPECT_EQ(Project(), before);
}

}  // namespace
}  // namespace orv::test
