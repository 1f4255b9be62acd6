#include "lisp/lisp_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lisp_fixture.h"
#include "platform/cp1251.h"

namespace orv::test {
namespace {

using Pieces = std::vector<std::string>;

struct ReaderCase {
  const char* what;
  std::string text;  // UTF-8, written as Windows-1251
  Pieces pieces;
};

const ReaderCase kReaderCases[] = {
    {"a piece per parenthesis, comment line gone",
     "(defun a()\r\n;x (b)\r\n(c))",
     {"(defun a", "()", "(c))"}},
    {"line break leaves no blank", "(setq a\r\nb)", {"(setq ab)"}},
    {"tab becomes a blank, Cyrillic kept",
     "(princ\t\"Привет, Ёжик\")",
     {"(princ \"Привет, Ёжик\")"}},
    {"other control characters dropped", "(a\x01\x1F b\x7F)", {"(a b\x7F)"}},
    {"text before the first form", "text (f)", {"text ", "(f)"}},
    {"comment on a last line without break", "(f)\r\n; the end", {"(f)"}},
    {"empty file", "", {}},
    {"header followed by a blank is plain text",
     "AutoCAD PROTECTED LISP file \r\n(f)",
     {"AutoCAD PROTECTED LISP file ", "(f)"}},
    {"header in another letter case is plain text",
     "AutoCAD Protected LISP file\r\n(f)",
     {"AutoCAD Protected LISP file", "(f)"}},
    // Strings: a semicolon or parenthesis inside one is text.
    {"semicolon inside a string",
     "(princ \"\\nВыберите объекты; Enter - конец\")\r\n(f)",
     {"(princ \"\\nВыберите объекты; Enter - конец\")", "(f)"}},
    {"escaped quote does not end the string",
     "(princ \"a\\\"; b\") ; c\r\n(f)",
     {"(princ \"a\\\"; b\") ", "(f)"}},
    {"escaped backslash ends before the quote",
     "(princ \"a\\\\\") ; c\r\n(f)",
     {"(princ \"a\\\\\") ", "(f)"}},
    {"string running over a line break", "(princ \"a\r\n;b\")(f)", {"(princ \"a;b\")", "(f)"}},
    {"parenthesis inside a string still starts a piece", "(princ \"(\")", {"(princ \"", "(\")"}},
    // Comments.
    {"block comment across lines with parentheses", "(a);| (b)\r\n(c) \"|; (d)", {"(a) ", "(d)"}},
    {"block comment does not close on its own bar", "(a);|;(b)|;(c)", {"(a)", "(c)"}},
    {"unclosed block comment runs to the end", "(a) ;| (b)\r\n(c)", {"(a) "}},
    {"comments in a file with LF line ends", "(a) ; one\n(b) ; two\n(c)", {"(a) ", "(b) ", "(c)"}},
    {"comment ends at a lone CR", "(a);x\r(b)", {"(a)", "(b)"}},
    {"quote inside a comment opens nothing", "; don't \"\r\n(f \"x\")", {"(f \"x\")"}},
};

class ReaderTest : public LispFixture {};

TEST_F(ReaderTest, SplitsFiltersAndDropsComments) {
  for (const ReaderCase& c : kReaderCases) {
    EXPECT_EQ(ReadText(c.text), c.pieces) << c.what;
  }
}

TEST_F(ReaderTest, EveryCodePageByteReachesThePiecesAsUtf8) {
  std::string bytes = "(";
  for (int b = 32; b < 256; ++b) {
    if (b != '(' && b != ';' && b != '"') bytes.push_back(static_cast<char>(b));
  }
  Pieces pieces = ReadBytesAsLisp(bytes);
  ASSERT_EQ(pieces.size(), 1u);
  EXPECT_EQ(EncodeCp1251(pieces[0]), bytes);
}

TEST_F(ReaderTest, UnreadableFileRaisesAndKeepsThePieces) {
  ReadText("(defun a ())");
  const Pieces before = dm.LispLines;
  EXPECT_THROW(ReadLispFile(dm, dir / "missing.lsp"), IoError);
  EXPECT_EQ(dm.LispLines, before);
  std::filesystem::create_directory(dir / "folder.lsp");
  EXPECT_THROW(ReadLispFile(dm, dir / "folder.lsp"), IoError);
  EXPECT_EQ(dm.LispLines, before);
  EXPECT_EQ(ReadText("(b)", "other.lsp"), Pieces{"(b)"}) << "the next read replaces everything";
}

TEST_F(ReaderTest, PutLispCharAppliesThePieceRules) {
  for (char ch : std::string("x(a\tb\r\n\xC6(")) PutLispChar(dm, ch);
  EXPECT_EQ(dm.LispLines, (Pieces{"x", "(a bЖ", "("}));
}

}  // namespace
}  // namespace orv::test
