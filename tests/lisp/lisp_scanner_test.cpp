#include "lisp/lisp_scanner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lisp_fixture.h"

namespace orv::test {
namespace {

using Names = std::vector<std::string>;

struct ScanCase {
  const char* what;
  std::string text;
  Names found;
};

const ScanCase kDefunCases[] = {
    {"name up to the argument list", "(defun C:Draw (/ a) (command \"line\"))", {"C:Draw"}},
    {"top level only, in order, repeats kept",
     "(DEFUN a () (defun inner () 1))\r\n(defun b (x) x)\r\n(defun a ())",
     {"a", "b", "a"}},
    {"blanks and line breaks around the name", "(  defun\r\n\tСтена\t  (/)\r\n)", {"Стена"}},
    {"everything up to the first nested form", "(defun f nil (g))", {"f nil"}},
    {"defun inside another word", "(setq mydefun (f))", {""}},
    {"no nested form, no name", "(defun f)(defun g ())", {"g"}},
    {"defun after a nested form closed", "(progn (f) defun h (x))", {"h"}},
    {"form inside a form is not top level", "(progn (defun f ()))", {}},
    // Strings hide their parentheses, semicolons and escaped quotes.
    {"semicolon in a prompt",
     "(defun a () (princ \"\\nВыберите объекты; Enter - конец\"))\r\n(defun b ())",
     {"a", "b"}},
    {"parenthesis in a string",
     "(defun a () (princ \"(\"))(defun b () (princ \")\"))(defun c ())",
     {"a", "b", "c"}},
    {"escaped quote in a string", "(defun a () (princ \"\\\"(\"))(defun b ())", {"a", "b"}},
    {"block comment with parentheses", "(defun a () ;| (( |; 1)\r\n(defun b ())", {"a", "b"}},
    {"unbalanced real parenthesis still shifts the depth", "(defun a ()))\r\n(defun b ())", {"a"}},
};

const ScanCase kLiteralCases[] = {
    {"first appearance, repeats and case left out",
     "(load \"util.lsp\")(load \"UTIL.LSP\")(princ \"a\")(load \"util.lsp\")",
     {"util.lsp", "a"}},
    {"Cyrillic case folded",
     "(princ \"Стена\")(princ \"СТЕНА\")(princ \"стена!\")",
     {"Стена", "стена!"}},
    {"empty literal", "(princ \"\")(princ \"\")", {""}},
    {"text as written, backslashes kept",
     "(princ \"a\\\"b\\\\\")(princ \"\\n\")",
     {"a\\\"b\\\\", "\\n"}},
    {"semicolon inside, comment outside",
     "(princ \"x; y\") ; \"not a literal\"\r\n(princ \"z\")",
     {"x; y", "z"}},
    {"literal running over a line break", "(princ \"a\r\nb\")", {"ab"}},
    {"unterminated literal yields nothing", "(princ \"ok\")(princ \"abc)", {"ok"}},
};

class ScannerTest : public LispFixture {};

TEST_F(ScannerTest, FindDefuns) {
  for (const ScanCase& c : kDefunCases) {
    ReadText(c.text);
    Names names{"stale"};
    FindDefuns(dm, names);
    EXPECT_EQ(names, c.found) << c.what;
  }
}

TEST_F(ScannerTest, FindStringLiterals) {
  for (const ScanCase& c : kLiteralCases) {
    ReadText(c.text);
    Names literals{"stale"};
    FindStringLiterals(dm, literals);
    EXPECT_EQ(literals, c.found) << c.what;
  }
}

}  // namespace
}  // namespace orv::test
