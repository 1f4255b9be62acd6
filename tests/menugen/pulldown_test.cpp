#include "menugen/pulldown.h"

#include "library/menu_tree.h"
#include "library/settings.h"
#include "menugen_fixture.h"

namespace orv {
namespace {

using test::WriteLines;

struct Program {
  std::string name;
  std::string submenu;
};

// Programs in file order, each captioned with its own name.
std::vector<std::string> CatalogOf(const std::vector<Program>& programs) {
  std::vector<std::string> lines{"[program]"};
  for (const Program& p : programs) lines.push_back(p.name + "=");
  for (const Program& p : programs) {
    lines.push_back("[" + p.name + "]");
    lines.push_back("file=" + p.name + ".lsp");
    lines.push_back("caption=" + p.name);
    if (!p.submenu.empty()) lines.push_back("submenu=" + p.submenu);
  }
  return lines;
}

class PulldownTest : public test::MenugenTest {
 protected:
  std::vector<std::string> lines;

  std::vector<std::string> Header() const {
    return {"//",
            "//      AutoCAD файл меню - " + dir_text + "LIB_M.mns",
            "//",
            "",
            "***MENUGROUP=LIB_M",
            "",
            "***POP1",
            "   [Библ.]"};
  }

  // The item lines between the header and the closing empty line.
  std::vector<std::string> Items() {
    BuildPulldownLines(dm, catalog, lines, true);
    EXPECT_GE(lines.size(), 9u);
    EXPECT_EQ(lines.back(), "");
    return std::vector<std::string>(lines.begin() + 8, lines.end() - 1);
  }
};

TEST_F(PulldownTest, WorkedExampleInBothPasses) {
  WriteLines(catalog, StenaOknoCatalog());
  lines = {"left over"};
  BuildPulldownLines(dm, catalog, lines, false);
  EXPECT_EQ(lines.size(), 5u);  // header, three items, closing line
  EXPECT_EQ(dm.ProgressPosition(), 0);

  BuildPulldownLines(dm, catalog, lines, true);
  std::vector<std::string> expected = Header();
  for (const char* line :
       {"   [Стена]^C^COV_STENA ", "   [->Архитектура]", "      [<-Окно]^C^COV_OKNO ", ""}) {
    expected.push_back(line);
  }
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(dm.ProgressPosition(), 5);
}

TEST_F(PulldownTest, DirectLoadItemsMissingCaptionsAndSettings) {
  WriteLines(catalog,
             {"[program]", "STENA=1", "OKNO=2", "[STENA]", "file=stena.lsp", "[OKNO]",
              "file=okno.lsp,okno2.lsp", "caption=Окно", "submenu=Архитектура", "No_Install=Y"});
  WriteLines(dir / "Set_Param.dat",
             {"[Setup]", "Menu_Name=MY", std::string(settings::kMenuCaption) + "=Моё меню"});
  BuildPulldownLines(dm, catalog, lines, true);
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "//", "//      AutoCAD файл меню - " + dir_text + "MY.mns", "//", "",
                       "***MENUGROUP=MY", "", "***POP1", "   [Моё меню]", "   []^C^COV_STENA ",
                       "   [->Архитектура]",
                       "      [<-Окно]^C^C(if(= OKNO nil)(progn(load \"okno.lsp\") (load "
                       "\"okno2.lsp\"))) OKNO ",
                       ""}));
}

TEST_F(PulldownTest, EmptyCatalog) {
  BuildPulldownLines(dm, catalog, lines, false);
  EXPECT_EQ(lines, (std::vector<std::string>{"", ""}));
  std::vector<std::string> expected = Header();
  expected.push_back("");
  EXPECT_EQ(Items(), std::vector<std::string>{});
  EXPECT_EQ(lines, expected);
}

TEST_F(PulldownTest, CascadesFollowTheMenuHierarchy) {
  struct Case {
    const char* what;
    std::vector<Program> programs;
    std::vector<std::string> items;
  } cases[] = {
      {"three levels opened at once",
       {{"p", "A\\B\\C"}},
       {"   [->A]", "      [->B]", "         [->C]", "            [<-<-<-p]^C^COV_p "}},
      {"closing one of two levels",
       {{"p1", "A\\B"}, {"p2", "A\\B"}, {"p3", "A"}},
       {"   [->A]", "      [->B]", "         [p1]^C^COV_p1 ", "         [<-p2]^C^COV_p2 ",
        "      [<-p3]^C^COV_p3 "}},
      {"sibling submenus, then the top level",
       {{"p1", "A\\B"}, {"p2", "A\\C"}, {"p3", ""}},
       {"   [->A]", "      [->B]", "         [<-p1]^C^COV_p1 ", "      [->C]",
        "         [<-<-p2]^C^COV_p2 ", "   [p3]^C^COV_p3 "}},
      // The members of a submenu stay together even when other programs come
      // between them in the menu order, and nothing else becomes a cascade.
      {"a top-level program between two members of A",
       {{"y1", "A"}, {"y2", ""}, {"y3", "A"}},
       {"   [->A]", "      [y1]^C^COV_y1 ", "      [<-y3]^C^COV_y3 ", "   [y2]^C^COV_y2 "}},
      {"A, then B, then A\\C: one submenu A",
       {{"p1", "A"}, {"p2", "B"}, {"p3", "A\\C"}},
       {"   [->A]", "      [p1]^C^COV_p1 ", "      [->C]", "         [<-<-p3]^C^COV_p3 ",
        "   [->B]", "      [<-p2]^C^COV_p2 "}},
      {"a level named like its parent",
       {{"p1", "A"}, {"p2", "A\\A"}},
       {"   [->A]", "      [p1]^C^COV_p1 ", "      [->A]", "         [<-<-p2]^C^COV_p2 "}},
      {"an empty last level",
       {{"p", "Z\\"}},
       {"   [->Z]", "      [->]", "         [<-<-p]^C^COV_p "}},
      // Level names match exactly, as in the main menu tree.
      {"names that differ in letter case",
       {{"p1", "A"}, {"p2", "a"}},
       {"   [->A]", "      [<-p1]^C^COV_p1 ", "   [->a]", "      [<-p2]^C^COV_p2 "}},
      {"a submenu named like a program",
       {{"X", ""}, {"q", "x"}},
       {"   [X]^C^COV_X ", "   [->x]", "      [<-q]^C^COV_q "}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteLines(catalog, CatalogOf(c.programs));
    EXPECT_EQ(Items(), c.items);
    // One counted step per line, the header counting as one.
    BuildPulldownLines(dm, catalog, lines, false);
    EXPECT_EQ(lines.size(), c.items.size() + 2);
  }
}

// The pull-down nests exactly as the main menu tree does, whatever the order.
TEST_F(PulldownTest, NestsLikeTheMainMenuTree) {
  WriteLines(catalog, CatalogOf({{"p1", "A\\B"},
                                 {"p2", ""},
                                 {"p3", "A"},
                                 {"p4", "a"},
                                 {"p5", "A\\B\\C"},
                                 {"p6", "Z\\"},
                                 {"p7", "B"},
                                 {"p8", "A\\B"},
                                 {"p9", "B\\A"}}));
  TreeModel tree;
  BuildMenuTree(tree, catalog, "root");
  std::vector<std::string> expected;
  for (TreeNode* node : tree.Nodes()) {
    if (!node->Parent()) continue;
    std::string program = ProgramNameOfNode(node);
    expected.push_back(std::to_string(node->Level() - 1) +
                       (program.empty() ? " submenu " + node->text : " program " + program));
  }
  std::vector<std::string> actual;
  for (const std::string& line : Items()) {
    size_t indent = line.find('[');
    std::string rest = line.substr(indent + 1);
    while (rest.rfind("<-", 0) == 0) rest.erase(0, 2);
    std::string depth = std::to_string(indent / 3 - 1);
    if (rest.rfind("->", 0) == 0) {
      actual.push_back(depth + " submenu " + rest.substr(2, rest.size() - 3));
    } else {
      size_t name = rest.find("^C^COV_") + 7;
      actual.push_back(depth + " program " + rest.substr(name, rest.size() - name - 1));
    }
  }
  EXPECT_EQ(actual, expected);
}

// A program whose file list is empty is a program all the same, not a submenu.
TEST_F(PulldownTest, ProgramWithoutFilesIsStillAnItem) {
  WriteLines(catalog, {"[program]", "a=1", "b=2", "c=3", "d=4", "[a]", "caption=A", "submenu=S",
                       "[b]", "caption=B", "submenu=S", "[c]", "file=c.lsp", "caption=C",
                       "submenu=S", "[d]", "caption=D", "No_Install=Y"});
  EXPECT_EQ(Items(), (std::vector<std::string>{"   [->S]", "      [A]^C^COV_a ",
                                               "      [B]^C^COV_b ", "      [<-C]^C^COV_c ",
                                               "   [D]^C^C(if(= d nil)(progn)) d "}));
}

}  // namespace
}  // namespace orv
