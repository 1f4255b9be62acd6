#include "menugen/image_menu.h"

#include "menugen_fixture.h"

namespace orv {
namespace {

using test::WriteLines;

class ImageMenuTest : public test::MenugenTest {
 protected:
  std::vector<std::string> lines;

  std::vector<std::string> Closing(const std::string& name) const {
    return {"", "//", "//      Конец AutoCAD файла меню - " + dir_text + name + ".mns", "//"};
  }
};

TEST_F(ImageMenuTest, WorkedExampleInBothPasses) {
  WriteLines(catalog, {"[menu_image]", "Lebel_1=**Окна", "Lebel_2=[Окно 1]^C^COV_OKNO"});
  lines = {"left over"};
  BuildImageLines(dm, catalog, "LIB_M", lines, false);
  EXPECT_EQ(lines.size(), 7u);
  EXPECT_EQ(dm.ProgressPosition(), 0);
  BuildImageLines(dm, catalog, "LIB_M", lines, true);
  std::vector<std::string> expected = {"***IMAGE", " ", "**Окна", "[Окно 1]^C^COV_OKNO"};
  for (const std::string& line : Closing("LIB_M")) expected.push_back(line);
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(dm.ProgressPosition(), 7);
}

TEST_F(ImageMenuTest, NoSectionAndOtherMenuName) {
  BuildImageLines(dm, catalog, "ARCH", lines, true);
  std::vector<std::string> expected = {"***IMAGE"};
  for (const std::string& line : Closing("ARCH")) expected.push_back(line);
  EXPECT_EQ(lines, expected);
}

// An empty value takes its step but writes no line: an empty line would end
// the image menu before the lines after it.
TEST_F(ImageMenuTest, AsteriskOnlyFirstAndEmptyValues) {
  WriteLines(catalog, {"[menu_image]", "Lebel_1=[a*b]", "Lebel_2=", "Lebel_3=*x"});
  BuildImageLines(dm, catalog, "LIB_M", lines, false);
  EXPECT_EQ(lines.size(), 8u);
  BuildImageLines(dm, catalog, "LIB_M", lines, true);
  std::vector<std::string> expected = {"***IMAGE", "[a*b]", " ", "*x"};
  for (const std::string& line : Closing("LIB_M")) expected.push_back(line);
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(dm.ProgressPosition(), 8);
}

}  // namespace
}  // namespace orv
