#include "library/menu_tree.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace orv {
namespace {

using test::TempDir;
using test::WriteLines;

std::string Dump(const TreeModel& tree) {
  std::string out;
  for (TreeNode* n : tree.Nodes()) {
    out +=
        std::string(2 * n->Level(), ' ') + n->text + " #" + std::to_string(n->image_index) + "\n";
  }
  return out;
}

TEST(ProgramList, SortsByOrderValueKeepingFileOrderForTies) {
  TempDir dir;
  WriteLines(dir / "c.set", {"[program]", "a=2", "b=1", "c=", "d=x", "e=1", "f=-5", "g=70000"});
  EXPECT_EQ(ProgramList(dir / "c.set"),
            (std::vector<std::string>{"f", "b", "e", "a", "c", "d", "g"}));
  EXPECT_TRUE(ProgramList(dir / "missing.set").empty());
}

TEST(MenuOrderList, InsertsEachWholePathOnceBeforeItsFirstProgram) {
  TempDir dir;
  WriteLines(dir / "c.set",
             {"[program]", "y1=1", "y2=2", "y3=3", "y4=4", "y5=5", "[y1]", "submenu=A\\B", "[y3]",
              "submenu=a\\b", "[y4]", "submenu=C", "[y5]", "submenu=y2"});
  // A path equal to a program name, letter case ignored, is not inserted.
  EXPECT_EQ(MenuOrderList(dir / "c.set"),
            (std::vector<std::string>{"A\\B", "y1", "y2", "y3", "C", "y4", "y5"}));
}

TEST(BuildMenuTree, GroupsProgramsUnderSharedLevelsWithTheirPictures) {
  TempDir dir;
  test::WriteBitmap(dir / "LIB_M.bmp");
  test::WriteBitmap(dir / "x.bmp");
  test::WriteBitmap(dir / "p1.bmp");
  WriteLines(dir / "Orvpak.set", {"[program]",
                                  "p1=1",
                                  "p2=2",
                                  "p3=3",
                                  "p4=4",
                                  "p5=5",
                                  "nosection=6",
                                  "[p1]",
                                  "caption=Первая",
                                  "bmp=p1.bmp",
                                  "submenu=X\\Y",
                                  "[p2]",
                                  "caption=Вторая",
                                  "bmp=missing.bmp",
                                  "[p3]",
                                  "caption=Третья",
                                  "submenu=X",
                                  "[p4]",
                                  "caption=Четвертая",
                                  "submenu=x",  // another case: another node
                                  "[p5]",
                                  "caption=Пятая",
                                  "submenu=Z\\",  // trailing backslash: empty level
                                  "[X]",
                                  "bmp=x.bmp",
                                  "[X\\Y]",
                                  "bmp=none.bmp"});
  ImageList images;
  TreeModel tree(&images);
  ClearMenuTree(tree, dir.path());
  EXPECT_EQ(images.Count(), 1);  // the menu bitmap is image 0
  BuildMenuTree(tree, dir / "Orvpak.set", "LIB_M -> Библ.");
  EXPECT_EQ(Dump(tree),
            "LIB_M -> Библ. #0\n"
            "  X #1\n"
            "    Y #0\n"
            "      p1 -> Первая #2\n"
            "    p3 -> Третья #0\n"
            "  p2 -> Вторая #0\n"
            "  x #3\n"  // section names ignore case: X's picture

            "    p4 -> Четвертая #0\n"
            "  Z #0\n"
            "     #0\n"
            "      p5 -> Пятая #0\n"
            "  nosection ->  #0\n");
  EXPECT_EQ(images.Count(), 4);
  EXPECT_EQ(ProgramNameOfNode(tree.NodeAt(3)), "p1");
  EXPECT_EQ(ProgramNameOfNode(tree.NodeAt(1)), "");
  EXPECT_EQ(TopNode(tree.NodeAt(3)), tree.First());

  // Clearing starts the shared image list over.
  ClearMenuTree(tree, dir.path());
  EXPECT_EQ(tree.Count(), 0);
  EXPECT_EQ(images.Count(), 1);
}

TEST(BuildMenuTree, MissingMenuBitmapLeavesTheListEmpty) {
  TempDir dir;
  ImageList images;
  TreeModel tree(&images);
  ClearMenuTree(tree, dir.path());
  EXPECT_EQ(images.Count(), 0);
  BuildMenuTree(tree, dir / "Orvpak.set", "root");
  EXPECT_EQ(Dump(tree), "root #0\n");
}

}  // namespace
}  // namespace orv
