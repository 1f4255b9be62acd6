#include "platform/tree_model.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

std::string Texts(const TreeModel& tree) {
  std::string out;
  for (TreeNode* n : tree.Nodes()) out += std::string(n->Level(), '.') + n->text + " ";
  return out;
}

TEST(TreeModel, DepthFirstOrderAndMovesKeepSubtrees) {
  TreeModel tree;
  TreeNode* root = tree.Add(nullptr, "root");
  TreeNode* a = tree.Add(root, "a");
  tree.Add(a, "a1");
  TreeNode* b = tree.Add(root, "b");
  TreeNode* c = tree.Add(root, "c");
  EXPECT_EQ(Texts(tree), "root .a ..a1 .b .c ");
  EXPECT_EQ(tree.AbsoluteIndex(b), 3);
  EXPECT_EQ(tree.NodeAt(2)->text, "a1");
  EXPECT_EQ(tree.NodeAt(5), nullptr);

  tree.MoveToEnd(a);
  EXPECT_EQ(Texts(tree), "root .b .c .a ..a1 ");
  tree.MoveBefore(c, b);
  EXPECT_EQ(Texts(tree), "root .c .b .a ..a1 ");
  EXPECT_EQ(tree.PrevSibling(b), c);
  EXPECT_EQ(tree.NextSibling(b), a);
  EXPECT_EQ(tree.NextSibling(a), nullptr);
  EXPECT_EQ(tree.FirstSibling(a), c);
  EXPECT_EQ(a->IndexInParent(), 2);
}

}  // namespace
}  // namespace orv
