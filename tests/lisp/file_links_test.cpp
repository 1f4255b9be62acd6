#include "lisp/file_links.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lisp_fixture.h"

namespace orv::test {
namespace {

using Names = std::vector<std::string>;

// A project directory: main.lsp names a library file (stored in upper case),
// a missing file, a file in a subdirectory and a prompt; the description file
// registers pictures and files for Draw.
class FileLinksTest : public LispFixture {
 protected:
  void SetUp() override {
    WriteLines(
        dir / "main.lsp",
        {"(defun C:Draw (/ p)", "  (load \"util.lsp\")", "  (load \"missing.lsp\") ; no such file",
         "  (load \"sub/deep.lsp\")", "  (setq p (getpoint \"Выберите точку\"))", "  (princ))"});
    WriteLines(dir / "UTIL.LSP", {"(defun C:Util () (princ))"});
    WriteLines(dir / "sub/deep.lsp", {"(defun deep () 1)"});
    WriteLines(dir / "alpha.lsp", {"(princ)"});
    WriteLines(dir / "beta.dcl", {"beta : dialog {}"});
    WriteLines(dir / "proj.ini", {"[Draw]", "bmp=draw.bmp", "program=alpha.lsp,beta.dcl,gone.lsp",
                                  "[util]", "bmp=", "program="});
    for (const char* picture : {"draw.bmp", "Draw_Util.bmp", "Main_Icon.BMP", "other.bmp",
                                "utility.slb", "drawing.sld"}) {
      WriteBitmap(dir / picture);
    }
  }

  Names Links(std::string_view file, int mode) {
    Names links{"stale"};
    FindFileLinks(dm, dir / "proj.ini", dir / file, links, mode);
    return links;
  }
};

TEST_F(FileLinksTest, NoLinksWithoutTheModeOrForOtherFiles) {
  EXPECT_EQ(Links("main.lsp", kLinksNone), Names{});
  EXPECT_EQ(Links("draw.bmp", kLinksExtended), Names{});
  EXPECT_EQ(Links("beta.dcl", kLinksDirect), Names{});
  EXPECT_EQ(Links("absent.lsp", kLinksNone), Names{}) << "nothing is read";
}

TEST_F(FileLinksTest, DirectLinksAreLiteralsNamingExistingFiles) {
  EXPECT_EQ(Links("main.lsp", kLinksDirect), (Names{"util.lsp", "sub/deep.lsp"}));
  EXPECT_EQ(Links("MAIN.LSP", kLinksDirect), (Names{"util.lsp", "sub/deep.lsp"}));
}

TEST_F(FileLinksTest, ExtendedSearchAddsRegisteredFilesAndPicturesByName) {
  const Names expected = {"util.lsp", "sub/deep.lsp",
                          // registered for Draw (gone.lsp does not exist)
                          "draw.bmp", "alpha.lsp", "beta.dcl",
                          // pictures and slides by name: draw, util, then the base name main
                          "draw.bmp", "draw_util.bmp", "drawing.sld", "draw_util.bmp",
                          "utility.slb", "main_icon.bmp"};
  EXPECT_EQ(Links("main.lsp", kLinksExtended), expected);
  EXPECT_EQ(Links("main.lsp", 7), expected) << "a larger mode acts as the extended one";
}

TEST_F(FileLinksTest, FileNamingItselfAndOneLetterNames) {
  WriteLines(dir / "self.lsp", {"(defun c:e () (load \"self.lsp\") (load \"SELF.LSP\"))"});
  EXPECT_EQ(Links("self.lsp", kLinksDirect), Names{"self.lsp"});
  // The one-letter name "e" takes other.bmp, once for the file and once more
  // for the literal naming it; the caller removes the repeats.
  EXPECT_EQ(Links("self.lsp", kLinksExtended), (Names{"self.lsp", "other.bmp", "other.bmp"}));
}

TEST_F(FileLinksTest, UnreadableFileRaisesAndDirectoriesAreNoFiles) {
  EXPECT_THROW(Links("absent.lsp", kLinksDirect), IoError);
  WriteLines(dir / "broken.lsp", {"(load \"folder.lsp\")"});
  std::filesystem::create_directory(dir / "folder.lsp");
  EXPECT_EQ(Links("broken.lsp", kLinksExtended), Names{}) << "a directory is no file to read";
}

TEST_F(FileLinksTest, KeepExistingFilesStaysInsideTheDirectory) {
  TempDir outside;
  WriteLines(outside / "x.lsp", {"(princ)"});
  Names names = {"alpha.lsp",
                 "ALPHA.LSP",
                 "none.lsp",
                 "",
                 "sub",
                 "sub/deep.lsp",
                 "sub\\deep.lsp",
                 "/alpha.lsp",
                 PathToUtf8(outside / "x.lsp"),
                 "alpha.lsp"};
  KeepExistingFiles(dir.path(), names);
  EXPECT_EQ(names, (Names{"alpha.lsp", "ALPHA.LSP", "sub/deep.lsp", "sub\\deep.lsp", "/alpha.lsp",
                          "alpha.lsp"}));
}

}  // namespace
}  // namespace orv::test
