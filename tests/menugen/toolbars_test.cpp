#include "menugen/toolbars.h"

#include "menugen_fixture.h"

namespace orv {
namespace {

using test::WriteLines;

class ToolbarsTest : public test::MenugenTest {
 protected:
  std::vector<std::string> lines;

  std::vector<std::string> Build() {
    BuildToolbarLines(dm, catalog, "LIB_M", "Библ.", lines, true);
    return lines;
  }
};

TEST_F(ToolbarsTest, WorkedExampleInBothPasses) {
  WriteLines(catalog, StenaOknoCatalog());
  lines = {"left over"};
  BuildToolbarLines(dm, catalog, "LIB_M", "Библ.", lines, false);
  EXPECT_EQ(lines.size(), 10u);
  EXPECT_EQ(dm.ProgressPosition(), 0);
  EXPECT_EQ(
      Build(),
      (std::vector<std::string>{
          "***TOOLBARS", "**Библ.", "             [_Toolbar(\"Библ.\", _Right, _Show, 0, 1, 1)]",
          "ID__1        [_Button(\"Стена\", \"stena.bmp\", \"ICON_16_BLANK\")]^C^COV_STENA ",
          "ID__2        [_Flyout(\"Архитектура\", arch.bmp, ICON_16_BLANK, _OtherIcon, "
          "LIB_M.Архитектура)]",
          "", "**Архитектура", "              [_Toolbar(\"Архитектура\", _Right, _Show, 0, 1, 1)]",
          "ID__5        [_Button(\"Окно\", \"okno.bmp\", \"ICON_16_BLANK\")]^C^COV_OKNO ", ""}));
  // Beyond the counted steps, one per menu order entry and one per program.
  EXPECT_EQ(dm.ProgressPosition(), 10 + 3 + 2);
}

TEST_F(ToolbarsTest, EmptyCatalog) {
  EXPECT_EQ(Build(), (std::vector<std::string>{
                         "***TOOLBARS", "**Библ.",
                         "             [_Toolbar(\"Библ.\", _Right, _Show, 0, 1, 1)]", ""}));
}

TEST_F(ToolbarsTest, NestedAndSameNamedSubmenus) {
  WriteLines(catalog, {"[program]", "p1=1", "p2=2", "p3=3", "p4=4",
                       // p1 lacks caption and bmp; Menu_Bmp plays no part.
                       "[p1]", "file=p1.lsp", "submenu=A\\B\\C", "[p2]", "file=p2.lsp",
                       "caption=P2", "bmp=p2.bmp", "submenu=A\\B\\D", "No_Install=Y", "[p3]",
                       "file=p3.lsp", "submenu=A\\X", "[p4]", "file=p4.lsp", "submenu=B\\X",
                       "[A\\B\\C]", "bmp=c.bmp", "[a\\x]", "bmp=ax.bmp"});
  WriteLines(dir / "Set_Param.dat", {"[Setup]", "Menu_Bmp=other.bmp"});
  EXPECT_EQ(Build(),
            (std::vector<std::string>{
                "***TOOLBARS",
                "**Библ.",
                "             [_Toolbar(\"Библ.\", _Right, _Show, 0, 1, 1)]",
                "ID__1        [_Flyout(\"A\", LIB_M.bmp, ICON_16_BLANK, _OtherIcon, LIB_M.A)]",
                "ID__6        [_Flyout(\"B\", LIB_M.bmp, ICON_16_BLANK, _OtherIcon, LIB_M.B)]",
                "",
                "**A",
                "              [_Toolbar(\"A\", _Right, _Show, 0, 1, 1)]",
                "ID__9        [_Flyout(\"B\", LIB_M.bmp, ICON_16_BLANK, _OtherIcon, LIB_M.B)]",
                "ID__10        [_Flyout(\"X\", ax.bmp, ICON_16_BLANK, _OtherIcon, LIB_M.X)]",
                "",
                "**B",
                "              [_Toolbar(\"B\", _Right, _Show, 0, 1, 1)]",
                "ID__12        [_Flyout(\"C\", c.bmp, ICON_16_BLANK, _OtherIcon, LIB_M.C)]",
                "ID__13        [_Flyout(\"D\", LIB_M.bmp, ICON_16_BLANK, _OtherIcon, LIB_M.D)]",
                "",
                "**C",
                "              [_Toolbar(\"C\", _Right, _Show, 0, 1, 1)]",
                "ID__15        [_Button(\"p1\", \"LIB_M.bmp\", \"ICON_16_BLANK\")]^C^COV_p1 ",
                "",
                "**D",
                "              [_Toolbar(\"D\", _Right, _Show, 0, 1, 1)]",
                "ID__17        [_Button(\"P2\", \"p2.bmp\", \"ICON_16_BLANK\")]^C^C(if(= p2 "
                "nil)(progn(load \"p2.lsp\"))) p2 ",
                "",
                "**X",
                "              [_Toolbar(\"X\", _Right, _Show, 0, 1, 1)]",
                "ID__19        [_Button(\"p3\", \"LIB_M.bmp\", \"ICON_16_BLANK\")]^C^COV_p3 ",
                "",
                "**B",
                "              [_Toolbar(\"B\", _Right, _Show, 0, 1, 1)]",
                "ID__21        [_Flyout(\"X\", LIB_M.bmp, ICON_16_BLANK, _OtherIcon, LIB_M.X)]",
                "",
                "**X",
                "              [_Toolbar(\"X\", _Right, _Show, 0, 1, 1)]",
                "ID__23        [_Button(\"p4\", \"LIB_M.bmp\", \"ICON_16_BLANK\")]^C^COV_p4 ",
                ""}));
  // Toolbar list A, A\B, A\B\C, A\B\D, A\X, B, B\X.
  BuildToolbarLines(dm, catalog, "LIB_M", "Библ.", lines, false);
  EXPECT_EQ(lines.size(), 4 + 7 + 7 * 3 + 9u);
}

// A submenu that has the name of a program gets a toolbar of its own, and the
// programs in it go there; the program keeps its button on the main toolbar.
TEST_F(ToolbarsTest, SubmenuNamedLikeAProgram) {
  WriteLines(catalog,
             {"[program]", "X=1", "q=2", "[X]", "file=x.lsp", "[q]", "file=q.lsp", "submenu=x"});
  EXPECT_EQ(
      Build(),
      (std::vector<std::string>{
          "***TOOLBARS", "**Библ.", "             [_Toolbar(\"Библ.\", _Right, _Show, 0, 1, 1)]",
          "ID__1        [_Button(\"X\", \"LIB_M.bmp\", \"ICON_16_BLANK\")]^C^COV_X ",
          "ID__2        [_Flyout(\"x\", LIB_M.bmp, ICON_16_BLANK, _OtherIcon, LIB_M.x)]", "", "**x",
          "              [_Toolbar(\"x\", _Right, _Show, 0, 1, 1)]",
          "ID__5        [_Button(\"q\", \"LIB_M.bmp\", \"ICON_16_BLANK\")]^C^COV_q ", ""}));
}

// y2 has no files: a program all the same, with its button.
TEST_F(ToolbarsTest, SubmenusGroupMembersApartAndIgnoreLetterCase) {
  WriteLines(catalog, {"[program]", "y1=1", "y2=2", "y3=3", "[y1]", "file=1", "submenu=A", "[y2]",
                       "[y3]", "file=3", "submenu=a"});
  EXPECT_EQ(
      Build(),
      (std::vector<std::string>{
          "***TOOLBARS", "**Библ.", "             [_Toolbar(\"Библ.\", _Right, _Show, 0, 1, 1)]",
          "ID__1        [_Flyout(\"A\", LIB_M.bmp, ICON_16_BLANK, _OtherIcon, LIB_M.A)]",
          "ID__2        [_Button(\"y2\", \"LIB_M.bmp\", \"ICON_16_BLANK\")]^C^COV_y2 ", "", "**A",
          "              [_Toolbar(\"A\", _Right, _Show, 0, 1, 1)]",
          "ID__4        [_Button(\"y1\", \"LIB_M.bmp\", \"ICON_16_BLANK\")]^C^COV_y1 ",
          "ID__5        [_Button(\"y3\", \"LIB_M.bmp\", \"ICON_16_BLANK\")]^C^COV_y3 ", ""}));
}

}  // namespace
}  // namespace orv
