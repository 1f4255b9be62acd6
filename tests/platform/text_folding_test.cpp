#include <gtest/gtest.h>

#include "platform/cp1251.h"
#include "platform/text_case.h"

namespace orv {
namespace {

// Folding and encoding take shortcuts for ASCII runs and two-byte sequences;
// mixed, long and broken text must come out as the plain rules give it.
TEST(TextFolding, MixedAndBrokenTextFoldsCharacterByCharacter) {
  struct Case {
    std::string text;
    std::string lower;
  } cases[] = {
      {"Раздел 3\\Группа ABC\\Вид", "раздел 3\\группа abc\\вид"},
      {"ЁЛКА日本Z", "ёлка日本z"},
      {"A\xD0", "a\xD0"},            // a lead byte at the end stays as it is
      {"\xD0Z\xFFQ", "\xD0z\xFFq"},  // so do stray bytes in the middle
      {std::string(40, 'Q') + "Я", std::string(40, 'q') + "я"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LowerCase(c.text), c.lower) << c.text;
    std::string appended = "keep:";
    AppendLowerCase(appended, c.text);
    EXPECT_EQ(appended, "keep:" + c.lower);
  }
  // The neighbours of the letter ranges, eight bytes at once.
  EXPECT_EQ(LowerCase("@AZ[`az{"), "@az[`az{");
  EXPECT_EQ(UpperCase("@AZ[`az{"), "@AZ[`AZ{");
  EXPECT_EQ(UpperCase(std::string(20, 'q') + "я"), std::string(20, 'Q') + "Я");
  std::string long_text = std::string(21, 'x') + "Стена" + std::string(13, 'y') + "日";
  EXPECT_EQ(EncodeCp1251(long_text),
            std::string(21, 'x') + "\xD1\xF2\xE5\xED\xE0" + std::string(13, 'y') + "?");
}

}  // namespace
}  // namespace orv
