#include "lisp/dbl_string_list.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(NoCaseStringList, MembershipIgnoresLetterCaseOrderIsKept) {
  TDblStringList lists;
  EXPECT_TRUE(lists.Links.AddUnique("Util.lsp"));
  EXPECT_FALSE(lists.Links.AddUnique("UTIL.LSP"));
  EXPECT_TRUE(lists.Links.AddUnique("Стена.bmp"));
  EXPECT_FALSE(lists.Links.AddUnique("СТЕНА.BMP"));
  EXPECT_TRUE(lists.Links.AddUnique("util.ls"));
  EXPECT_EQ(lists.Links.Items(), (std::vector<std::string>{"Util.lsp", "Стена.bmp", "util.ls"}));
  EXPECT_EQ(lists.Links.IndexOf("стена.BMP"), 1);
  EXPECT_EQ(lists.Links.IndexOf("missing"), -1);
  EXPECT_TRUE(lists.Definitions.empty());
}

}  // namespace
}  // namespace orv
