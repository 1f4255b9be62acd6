#include "library/command_order.h"

#include <gtest/gtest.h>

#include "library/catalog_rebuild.h"
#include "library/menu_tree.h"
#include "platform/progress_indicator.h"
#include "support/test_support.h"

namespace orv {
namespace {

using test::TempDir;
using test::WriteLines;

// "a b S(x y) c": siblings in order, children in brackets.
std::string Shape(const TreeNode* node) {
  std::string out;
  for (const auto& child : node->Children()) {
    if (!out.empty()) out += ' ';
    out += child->text;
    if (child->HasChildren()) out += "(" + Shape(child.get()) + ")";
  }
  return out;
}

TreeNode* Find(const TreeModel& tree, std::string_view text) {
  for (TreeNode* node : tree.Nodes()) {
    if (node->text == text) return node;
  }
  return nullptr;
}

// root: a b c S(x y) d
TreeNode* MakeTree(TreeModel& tree) {
  TreeNode* root = tree.Add(nullptr, "root");
  for (const char* text : {"a", "b", "c"}) tree.Add(root, text);
  TreeNode* s = tree.Add(root, "S");
  tree.Add(s, "x");
  tree.Add(s, "y");
  tree.Add(root, "d");
  return root;
}

TEST(MoveNode, WrapsAroundAtBothEndsAndCarriesTheSubtree) {
  struct Case {
    const char* selected;
    bool up;
    const char* expected;
  } cases[] = {
      {"b", true, "b a c S(x y) d"},     {"a", true, "b c S(x y) d a"},  // first goes last
      {"d", false, "d a b c S(x y)"},                                    // last goes first
      {"b", false, "a c b S(x y) d"},    {"c", false, "a b S(x y) c d"},
      {"S", false, "a b c d S(x y)"},  // the next sibling is the last one
      {"S", true, "a b S(x y) c d"},     {"x", true, "a b c S(y x) d"},
      {"y", false, "a b c S(y x) d"},    {"root", true, "a b c S(x y) d"},
      {"root", false, "a b c S(x y) d"}, {"", true, "a b c S(x y) d"},
      {"", false, "a b c S(x y) d"},
  };
  for (const Case& c : cases) {
    TreeModel tree;
    TreeNode* root = MakeTree(tree);
    if (*c.selected) tree.Select(Find(tree, c.selected));
    c.up ? MoveNodeUp(tree) : MoveNodeDown(tree);
    EXPECT_EQ(Shape(root), c.expected) << c.selected << (c.up ? " up" : " down");
  }
}

TEST(MoveNode, AnOnlyChildStays) {
  TreeModel tree;
  TreeNode* root = tree.Add(nullptr, "root");
  tree.Select(tree.Add(tree.Add(root, "S"), "only"));
  MoveNodeUp(tree);
  MoveNodeDown(tree);
  EXPECT_EQ(Shape(root), "S(only)");
}

class CommandOrderTest : public ::testing::Test {
 protected:
  CommandOrderTest() : dm(dir.path(), indicator), tree(&images) {}

  void Rebuild() {
    RebuildCatalog(dm, dm.CatalogPath(), true);
    ClearMenuTree(tree, dir.path());
    BuildMenuTree(tree, dm.CatalogPath(), "LIB_M -> Библ.");
  }
  std::string Order(std::string_view file, std::string_view program) {
    return TIniFile(dir / file).ReadString("program", program);
  }

  TempDir dir;
  ProgressIndicator indicator;
  TDataModule1 dm;
  ImageList images;
  TreeModel tree;
};

TEST_F(CommandOrderTest, FindsTheLastDescriptionWithABitmapForTheProgram) {
  WriteLines(dir / "a.ini", {"[program]", "p=", "[p]", "bmp=p.bmp", "[q]", "caption=Q"});
  WriteLines(dir / "b.ini", {"[program]", "p=", "[P]", "bmp=p.bmp"});
  WriteLines(dir / "c.ini", {"[p]", "bmp="});
  EXPECT_EQ(FindDescriptionFile(dm, "p"), dir / "b.ini");            // section names ignore case
  EXPECT_EQ(FindDescriptionFile(dm, "q"), std::filesystem::path());  // no bmp
  EXPECT_EQ(FindDescriptionFile(dm, ""), std::filesystem::path());
}

TEST_F(CommandOrderTest, SavesPositionsIntoTheDefiningDescriptionAndTheCatalog) {
  WriteLines(dir / "arch.ini",
             {"[file]", "arch.ini=", "[program]", "stena=1", "okno=2", "[stena]", "file=stena.lsp",
              "bmp=s.bmp", "caption=Стена", "submenu=Арх", "[okno]", "file=okno.lsp", "bmp=s.bmp",
              "caption=Окно", "submenu=Арх", "[Арх]", "bmp=s.bmp"});
  // "nofile" has no LISP files and so never gets a place; "dup" is defined
  // twice and only the last description in directory order takes its place.
  WriteLines(dir / "misc.ini",
             {"[program]", "nofile=", "dup=", "[nofile]", "bmp=n.bmp", "caption=Пусто", "[dup]",
              "file=d.lsp", "bmp=d.bmp", "caption=Дубль"});
  WriteLines(dir / "zz.ini",
             {"[program]", "dup=", "[dup]", "file=d2.lsp", "bmp=d.bmp", "caption=Дубль"});
  Rebuild();
  EXPECT_EQ(Shape(tree.First()), "Арх(stena -> Стена okno -> Окно) nofile -> Пусто dup -> Дубль");
  tree.Select(Find(tree, "Арх"));
  MoveNodeDown(tree);  // the submenu with its programs goes after "nofile"

  EXPECT_EQ(SaveCommandOrder(dm, tree, dm.CatalogPath(), false), 6);
  int before = dm.ProgressPosition();
  EXPECT_EQ(SaveCommandOrder(dm, tree, dm.CatalogPath(), true), 0);
  EXPECT_EQ(dm.ProgressPosition(), before + 5);
  EXPECT_EQ(dm.ProgressText(), "Идет внесение информации о порядке команд");

  EXPECT_EQ(Order("arch.ini", "stena"), "3");
  EXPECT_EQ(Order("arch.ini", "okno"), "4");
  EXPECT_EQ(Order("misc.ini", "nofile"), "");
  EXPECT_EQ(Order("misc.ini", "dup"), "");
  EXPECT_EQ(Order("zz.ini", "dup"), "5");  // the last description in directory order
  TIniFile catalog(dm.CatalogPath());
  EXPECT_EQ(catalog.ReadString("program", "stena"), "3");
  EXPECT_EQ(catalog.ReadString("program", "dup"), "5");
  EXPECT_EQ(catalog.ReadString("program", "nofile"), "65535");
  // The program without files keeps differing from its position.
  EXPECT_TRUE(CommandOrderUnsaved(tree, catalog));

  // A rebuild keeps the saved places; the program without files drifts to the end.
  Rebuild();
  EXPECT_EQ(Shape(tree.First()), "Арх(stena -> Стена okno -> Окно) dup -> Дубль nofile -> Пусто");
}

TEST_F(CommandOrderTest, OnlyTheRootSavesNothing) {
  tree.Add(nullptr, "LIB_M -> Библ.");
  EXPECT_EQ(SaveCommandOrder(dm, tree, dm.CatalogPath(), false), 0);
  EXPECT_EQ(SaveCommandOrder(dm, tree, dm.CatalogPath(), true), 0);
  EXPECT_FALSE(std::filesystem::exists(dir / "Orvpak.set"));
}

TEST_F(CommandOrderTest, UnsavedExactlyWhenAProgramStandsElsewhere) {
  WriteLines(dir / "Orvpak.set",
             {"[program]", "a=1", "b=3", "[a]", "caption=A", "[b]", "caption=B", "submenu=S"});
  ClearMenuTree(tree, dir.path());
  BuildMenuTree(tree, dir / "Orvpak.set", "root");  // root, a, S, b
  TIniFile catalog(dir / "Orvpak.set");
  EXPECT_FALSE(CommandOrderUnsaved(tree, catalog));
  tree.Select(Find(tree, "S"));
  MoveNodeUp(tree);
  EXPECT_TRUE(CommandOrderUnsaved(tree, catalog));
  MoveNodeDown(tree);
  EXPECT_FALSE(CommandOrderUnsaved(tree, catalog));
  // A program the catalog does not hold reads as -1.
  tree.Add(tree.First(), "c -> C");
  EXPECT_TRUE(CommandOrderUnsaved(tree, catalog));
}

}  // namespace
}  // namespace orv
