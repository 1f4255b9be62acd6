#include "library/full_revision.h"

#include <gtest/gtest.h>

#include "library/catalog_rebuild.h"
#include "library/library_fixture.h"
#include "platform/file_system.h"
#include "platform/progress_indicator.h"

namespace orv {
namespace {

using test::TempDir;
using test::WriteLines;

TEST(FullRevisionSteps, RemovesIncompleteLibrariesAndUnlistedFilesKeepingTheSystemOwn) {
  TempDir root;
  const std::filesystem::path dir = root / "prog";
  test::WriteLibrary(dir, {"stena", {{"stena", "Стена", "", ""}}, {"shared.lsp", "Stena2.lsp"}});
  ASSERT_TRUE(RenameFile(dir / "Stena2.lsp", dir / "stena2.lsp"));  // listed in another case
  test::WriteLibrary(dir, {"okno", {{"okno", "Окно", "", ""}}, {"shared.lsp", "only.lsp"}});
  std::filesystem::remove(dir / "okno.lsp");  // okno is incomplete now
  WriteLines(dir / "Set_Param.dat", {"[Setup]", "File_Plus=orvpak.HLP, spaced.txt"});
  // The system's own files, in the letter case the rest of the system uses
  // or any other.
  for (const char* name : {"Orvpak.mtt", "Set_out.lsp", "SET_ERR.LSP", kMainProgramFileName.data(),
                           "lib_m.bmp", "Orvpak.hlp", "spaced.txt", "LIB_M.mns", "Pakstall",
                           "notes.txt", "..\\victim.txt", ".hidden"}) {
    WriteLines(dir / name, {"x"});
  }
  WriteLines(root / "victim.txt", {"outside"});
  std::filesystem::create_directory(dir / "sub");
  // The running program is kept under any name. Windows grants symbolic links
  // to administrators only; a hard link is the same file all the same.
#ifdef _WIN32
  std::filesystem::create_hard_link(RunningProgramFile(), dir / "tool");
#else
  std::filesystem::create_symlink(RunningProgramFile(), dir / "tool");
#endif

  ProgressIndicator indicator;
  TDataModule1 dm(dir, indicator);
  const std::filesystem::path catalog = dm.CatalogPath();
  WriteLines(catalog, {"[program]", "stale="});
  const int rebuild_steps = RebuildCatalog(dm, catalog, false);
  const auto before = test::FilesIn(dir);
  EXPECT_EQ(FullRevisionSteps(dm, catalog, false),
            2 + rebuild_steps + static_cast<int>(before.size()));
  EXPECT_EQ(test::FilesIn(dir), before);

  EXPECT_EQ(FullRevisionSteps(dm, catalog, true), 0);
  EXPECT_EQ(dm.ProgressText(), "Идет удаление не зарегистрированных файлов");

  EXPECT_EQ(test::FilesIn(dir), (std::vector<std::string>{
                                    std::string(kMainProgramFileName), "Orvpak.hlp", "Orvpak.mtt",
                                    "SET_ERR.LSP", "Set_Param.dat", "Set_out.lsp", "lib_m.bmp",
                                    "shared.lsp", "stena.bmp", "stena.ini", "stena.lsp", "tool"}));
#ifndef _WIN32
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "tool"));
#endif
  EXPECT_TRUE(std::filesystem::is_directory(dir / "sub"));
  EXPECT_TRUE(std::filesystem::exists(root / "victim.txt"));
}

TEST(FullRevisionSteps, AnEmptyDirectoryLeavesNoCatalog) {
  TempDir dir;
  ProgressIndicator indicator;
  TDataModule1 dm(dir.path(), indicator);
  EXPECT_EQ(FullRevisionSteps(dm, dm.CatalogPath(), false), 0);
  EXPECT_EQ(FullRevisionSteps(dm, dm.CatalogPath(), true), 0);
  EXPECT_TRUE(test::FilesIn(dir.path()).empty());
}

}  // namespace
}  // namespace orv
