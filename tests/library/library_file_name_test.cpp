#include "library/library_file_name.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(NameEscapesDirectory, RefusesAbsoluteNamesAndClimbingWithEitherSeparator) {
  struct Case {
    const char* name;
    bool escapes;
  } cases[] = {
      {"stena.lsp", false},
      {"sub\\stena.lsp", false},
      {"..stena.lsp", false},
      {"a..b", false},
      {".\\x.lsp", false},
      {"", false},
      {"..\\..\\x", true},
      {"../../x", true},
      {"sub\\..\\..\\x", true},
      {"sub/../x", true},
      {"..", true},
      {"/etc/passwd", true},
      {"\\windows\\x", true},
      {"\\\\server\\x", true},
      {"C:\\x.lsp", true},
      {"c:x.lsp", true},
      {"sub\\..", true},
  };
  for (const Case& c : cases) EXPECT_EQ(NameEscapesDirectory(c.name), c.escapes) << c.name;
}

}  // namespace
}  // namespace orv
