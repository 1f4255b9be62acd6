#include <gtest/gtest.h>

#include "platform/cp1251.h"
#include "platform/text_case.h"

namespace orv {
namespace {

TEST(Cp1251, EveryByteRoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  std::string utf8 = DecodeCp1251(all);
  EXPECT_EQ(EncodeCp1251(utf8), all);
  // The unassigned byte still comes back as itself.
  EXPECT_EQ(EncodeCp1251(DecodeCp1251("\x98")), "\x98");
}

TEST(Cp1251, DecodesRussianTextAndReplacesWhatTheCodePageLacks) {
  EXPECT_EQ(DecodeCp1251("\xC1\xE8\xE1\xEB. \xB8\xA8"), "Библ. ёЁ");
  EXPECT_EQ(EncodeCp1251("Стена №1 — «ок»"), "\xD1\xF2\xE5\xED\xE0 \xB9\x31 \x97 \xAB\xEE\xEA\xBB");
  EXPECT_EQ(EncodeCp1251("日本"), "??");
}

TEST(TextCase, FoldsLatinAndCyrillicAlike) {
  struct Case {
    const char* a;
    const char* b;
    bool equal;
  } cases[] = {
      {"Menu_Name", "MENU_NAME", true},
      {"Архитектура", "АРХИТЕКТУРА", true},
      {"ёлка", "ЁЛКА", true},
      {"Ґанок Їжак Ўзор", "ґанок їжак ўзор", true},
      {"Menu_\xD0\xA1"
       "aption",
       "Menu_Caption", false},  // Cyrillic Es is not Latin C
      {"abc", "abcd", false},
      {"", "", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EqualsNoCase(c.a, c.b), c.equal) << c.a << " vs " << c.b;
  }
  EXPECT_EQ(LowerCase("C:DRAW Линии.LSP"), "c:draw линии.lsp");
  EXPECT_EQ(UpperCase("stena.bmp рис"), "STENA.BMP РИС");
  EXPECT_EQ(LatinUpperCase("abc Линии"), "ABC Линии");
}

}  // namespace
}  // namespace orv
