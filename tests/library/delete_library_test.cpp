#include "library/delete_library.h"

#include <gtest/gtest.h>

#include "library/catalog_rebuild.h"
#include "library/library_fixture.h"
#include "platform/progress_indicator.h"

namespace orv {
namespace {

using test::TempDir;
using test::WriteLines;

TEST(DeleteLibraryFiles, RemovesOnlyWhatNoOtherLibraryListsAndNothingOutside) {
  TempDir root;
  std::filesystem::path dir = root / "prog";
  test::WriteLibrary(dir, {"stena", {{"stena", "Стена", "", ""}}, {"shared.lsp"}});
  test::WriteLibrary(dir, {"okno", {{"okno", "Окно", "", ""}}, {"shared.lsp"}});
  // A hand-made description that names files outside the directory, and a
  // listed file that is missing from disk.
  WriteLines(root / "victim.txt", {"x"});
  WriteLines(dir / "bad.ini", {"[file]", "..\\victim.txt=", "../victim.txt=", "gone.lsp=",
                               "bad.ini=", "[program]", "bad=", "[bad]", "bmp=stena.bmp"});
#ifndef _WIN32
  // Another library, by letter case, where the file system tells them apart.
  WriteLines(dir / "BAD.INI", {"[program]", "other="});
#endif
  ProgressIndicator indicator;
  TDataModule1 dm(dir, indicator);
  RebuildCatalog(dm, dm.CatalogPath(), true);
  dm.SetProgressPosition(0);
  const std::vector<std::string> before = test::FilesIn(dir);

  EXPECT_EQ(DeleteLibraryFiles(dm, dm.CatalogPath(), dir / "stena.ini", false), 4);
  EXPECT_EQ(dm.ProgressPosition(), 1);
  EXPECT_EQ(test::FilesIn(dir), before);  // the counting pass deletes nothing
  EXPECT_EQ(DeleteLibraryFiles(dm, dm.CatalogPath(), dir / "stena.ini", true), 0);
  EXPECT_EQ(dm.ProgressPosition(), 5);
  EXPECT_EQ(dm.ProgressText(), "Идет удаление файлов");

  DeleteLibraryFiles(dm, dm.CatalogPath(), dir / "bad.ini", true);
  EXPECT_TRUE(std::filesystem::exists(root / "victim.txt"));
  std::vector<std::string> left = {"Orvpak.set", "okno.bmp", "okno.ini", "okno.lsp", "shared.lsp"};
#ifndef _WIN32
  left.insert(left.begin(), "BAD.INI");
#endif
  EXPECT_EQ(test::FilesIn(dir), left);
}

TEST(DeleteLibraryFiles, DeletesADescriptionThatDoesNotListItself) {
  TempDir dir;
  WriteLines(dir / "a.ini", {"[file]", "a.lsp=", "[program]", "a="});
  WriteLines(dir / "a.lsp", {"x"});
  ProgressIndicator indicator;
  TDataModule1 dm(dir.path(), indicator);
  RebuildCatalog(dm, dm.CatalogPath(), true);
  DeleteLibraryFiles(dm, dm.CatalogPath(), dir / "a.ini", true);
  EXPECT_EQ(test::FilesIn(dir.path()), (std::vector<std::string>{"Orvpak.set"}));
}

}  // namespace
}  // namespace orv
