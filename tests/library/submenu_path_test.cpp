#include "library/submenu_path.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(SubmenuPath, LevelsAtTheirBoundaries) {
  EXPECT_EQ(PathLevelCount(""), 0);
  EXPECT_EQ(PathLevelCount("A"), 1);
  EXPECT_EQ(PathLevelCount("A\\B\\C"), 3);
  EXPECT_EQ(PathLevelCount("A\\"), 2);  // a trailing backslash adds an empty level

  struct Case {
    const char* path;
    int n;
    const char* component;
    const char* prefix;
  } cases[] = {
      {"A\\B\\C", 0, "", "A"},
      {"A\\B\\C", -1, "", "A"},
      {"A\\B\\C", 1, "A", "A"},
      {"A\\B\\C", 2, "B", "A\\B"},
      {"A\\B\\C", 3, "C", "A\\B\\C"},
      {"A\\B\\C", 5, "C", "A\\B\\C\\C\\C"},  // beyond the last level: the last level
      {"A\\\\C", 2, "", "A\\"},
      {"A\\", 2, "", "A\\"},
      {"", 1, "", ""},
      {"Рисование\\Линии", 2, "Линии", "Рисование\\Линии"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PathComponent(c.path, c.n), c.component) << c.path << " " << c.n;
    EXPECT_EQ(PathPrefix(c.path, c.n), c.prefix) << c.path << " " << c.n;
  }
  EXPECT_EQ(PathLastComponent("A\\B\\C"), "C");
  EXPECT_EQ(PathLastComponent("Линии"), "Линии");
  EXPECT_EQ(PathLastComponent("A\\"), "");
}

TEST(SubmenuPath, SharedDepthFoldsOnlyLatinLetters) {
  struct Case {
    const char* a;
    const char* b;
    int shared;
  } cases[] = {
      {"A\\B\\C", "A\\B\\D", 2},
      {"a\\b", "A\\B\\C", 2},
      {"X", "Y", 0},
      {"", "A", 0},
      {"Арх\\Стены", "Арх\\Окна", 1},
      {"арх", "АРХ", 0},  // Cyrillic letters compare exactly
      {"A\\B", "A\\B", 2},
  };
  for (const Case& c : cases) EXPECT_EQ(PathSharedDepth(c.a, c.b), c.shared) << c.a << " " << c.b;
}

}  // namespace
}  // namespace orv
