#include "menugen/menu_lisp.h"

#include "menugen_fixture.h"
#include "platform/file_system.h"
#include "support/worked_example.h"

namespace orv {
namespace {

using test::CrLf;
using test::ReadCp1251;
using test::WriteLines;

class MenuLispTest : public test::MenugenTest {
 protected:
  std::filesystem::path mnl = dir / "LIB_M.mnl";
  std::filesystem::path mtt = dir / "Orvpak.mtt";
};

TEST_F(MenuLispTest, StubsForEveryProgramAfterTheTemplate) {
  std::vector<std::string> tmpl;
  for (int i = 1; i <= 10; ++i) tmpl.push_back("(template line " + std::to_string(i) + ")");
  WriteLines(mtt, tmpl);
  WriteLines(catalog, StenaOknoCatalog());
  EXPECT_EQ(WriteMenuLisp(dm, catalog, mnl, false), 12);
  EXPECT_FALSE(std::filesystem::exists(mnl));
  EXPECT_EQ(dm.ProgressPosition(), 0);

  EXPECT_EQ(WriteMenuLisp(dm, catalog, mnl, true), 10);
  EXPECT_EQ(dm.ProgressPosition(), 12);
  std::vector<std::string> expected = test::WorkedExampleMenuLisp(tmpl);
  EXPECT_EQ(ReadCp1251(mnl), CrLf(expected));
}

TEST_F(MenuLispTest, ErrorHandlerFlagNoInstallAndEmptyFiles) {
  WriteLines(mtt, {"; one", "; two"});
  WriteLines(catalog, {"[program]", "direct=1", "nofiles=2", "[direct]", "file=d.lsp",
                       "No_Install=Y", "[nofiles]", "save=No"});
  dm.error_handler_flag = false;
  // A No_Install program has no stub but still takes its step.
  EXPECT_EQ(WriteMenuLisp(dm, catalog, mnl, false), 4);
  WriteMenuLisp(dm, catalog, mnl, true);
  EXPECT_EQ(dm.ProgressPosition(), 4);
  EXPECT_EQ(ReadCp1251(mnl),
            CrLf({"(load \"set_out.lsp\")", "; one", "; two", "(defun C:OV_nofiles ()",
                  " (if (= nofiles nil)", "   (progn", "     (princ \"\\nДозагрузка \")",
                  "     (princ \" Завершена\\n\")))", " (nofiles)", " (princ))", "", "(princ)"}));
}

TEST_F(MenuLispTest, EmptyCatalogAndEmptyTemplate) {
  WriteLines(mtt, {"a", "b"});
  WriteMenuLisp(dm, catalog, mnl, true);
  EXPECT_EQ(ReadCp1251(mnl),
            CrLf({"(load \"set_out.lsp\")", "(load \"set_err.lsp\")", "a", "b", "(princ)"}));

  test::WriteCp1251(mtt, "");
  EXPECT_EQ(WriteMenuLisp(dm, catalog, mnl, false), 1);
  WriteMenuLisp(dm, catalog, mnl, true);
  EXPECT_EQ(ReadCp1251(mnl),
            CrLf({"(load \"set_out.lsp\")", "(load \"set_err.lsp\")", "", "(princ)"}));
}

TEST_F(MenuLispTest, MissingTemplateFailsInTheCountingPassAndKeepsTheOldFile) {
  WriteLines(mnl, {"old"});
  EXPECT_THROW(WriteMenuLisp(dm, catalog, mnl, false), IoError);
  EXPECT_THROW(WriteMenuLisp(dm, catalog, mnl, true), IoError);
  EXPECT_EQ(ReadCp1251(mnl), CrLf({"old"}));
}

}  // namespace
}  // namespace orv
