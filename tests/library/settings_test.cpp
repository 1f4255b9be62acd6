#include "library/settings.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace orv {
namespace {

TEST(Settings, DefaultsWithoutAFile) {
  test::TempDir dir;
  SettingsFile s(dir.path());
  EXPECT_EQ(s.MenuName(), "LIB_M");
  EXPECT_EQ(s.MenuCaption(), "Библ.");
  EXPECT_EQ(s.MenuBmp(), "LIB_M.bmp");
  EXPECT_EQ(s.AutoSv(), 0);
  EXPECT_FALSE(s.AllProgram());
  EXPECT_TRUE(s.PrevMenu());
  EXPECT_EQ(s.NoError(), "");
  EXPECT_TRUE(s.FirstRun());
  EXPECT_EQ(s.FilePlus(), "");
  EXPECT_EQ(s.RootText(), "LIB_M -> Библ.");
  EXPECT_FALSE(std::filesystem::exists(dir / "Set_Param.dat"));
}

TEST(Settings, CaptionKeyStartsWithCyrillicEs) {
  test::TempDir dir;
  test::WriteLines(dir / "Set_Param.dat",
                   {"[Setup]", "Menu_Caption=Latin C is another key", "First_Run=abc"});
  SettingsFile s(dir.path());
  EXPECT_EQ(s.MenuCaption(), "Библ.");
  EXPECT_TRUE(s.FirstRun());  // not a whole number: true
  s.SetMenuCaption("Меню");
  EXPECT_NE(test::ReadBytes(dir / "Set_Param.dat")
                .find("Menu_\xD1"
                      "aption=\xCC\xE5\xED\xFE"),
            std::string::npos);
}

}  // namespace
}  // namespace orv
