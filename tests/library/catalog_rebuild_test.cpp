#include "library/catalog_rebuild.h"

#include <gtest/gtest.h>

#include "platform/ini_file.h"
#include "support/test_support.h"

namespace orv {
namespace {

using test::CrLf;
using test::ReadBytes;
using test::ReadCp1251;
using test::TempDir;
using test::WriteLines;

class CatalogRebuildTest : public ::testing::Test {
 protected:
  TempDir dir;
  ProgressIndicator indicator;
  TDataModule1 dm{dir.path(), indicator};
  std::filesystem::path catalog = dir / "Orvpak.set";

  int Rebuild(bool pass) { return RebuildCatalog(dm, catalog, pass); }
};

TEST_F(CatalogRebuildTest, OneLibraryGivesItsOwnSectionsBack) {
  WriteLines(dir / "stena.ini",
             {"[file]", "stena.lsp=", "stena.bmp=", "arch.bmp=", "stena.ini=", "[program]",
              "stena=1", "[stena]", "file=stena.lsp", "bmp=stena.bmp", "caption=Стена",
              "submenu=Архитектура", "[Архитектура]", "bmp=arch.bmp"});
  // Four files and the one line of the submenu section.
  EXPECT_EQ(Rebuild(false), 5);
  int before = dm.ProgressPosition();
  EXPECT_EQ(Rebuild(true), 0);
  EXPECT_EQ(dm.ProgressPosition() - before, 5);
  EXPECT_EQ(ReadCp1251(catalog),
            CrLf({"[file]", "stena.lsp=stena.ini", "stena.bmp=stena.ini", "arch.bmp=stena.ini",
                  "stena.ini=stena.ini", "[program]", "stena=1", "[stena]", "file=stena.lsp",
                  "bmp=stena.bmp", "caption=Стена", "submenu=Архитектура", "[Архитектура]",
                  "bmp=arch.bmp"}));
}

TEST_F(CatalogRebuildTest, SharedFilesListEveryUserOnceInMergeOrder) {
  // "b.ini" is the tail of "ab.ini": both must be listed all the same.
  WriteLines(dir / "ab.ini", {"[file]", "common.lsp=", "ab.lsp=", "ab.ini=", "[program]", "x=2",
                              "[x]", "caption=first", "bmp=x.bmp"});
  WriteLines(dir / "b.ini", {"[file]", "COMMON.LSP=", "b.ini=", "[program]", "x=", "y=abc", "z=-3",
                             "[x]", "caption=second", "[y]", "caption=y"});
  WriteLines(dir / "c.ini", {"[file]", "Common.lsp=", "c.lsp="});
  // A stale catalog goes entirely.
  WriteLines(catalog, {"[program]", "gone=1", "[file]", "common.lsp=old.ini"});
  Rebuild(false);
  Rebuild(true);
  std::string first = ReadBytes(catalog);
  TIniFile ini(catalog);
  EXPECT_EQ(ini.ReadString("file", "common.lsp"), "ab.ini,b.ini,c.ini");
  EXPECT_EQ(ini.ReadSection("file"),
            (std::vector<std::string>{"common.lsp", "ab.lsp", "ab.ini", "b.ini", "c.lsp"}));
  EXPECT_EQ(ini.ReadString("file", "ab.lsp"), "ab.ini");
  EXPECT_EQ(ini.ReadString("file", "b.ini"), "b.ini");
  EXPECT_FALSE(ini.ValueExists("program", "gone"));
  // Missing or non-numeric order values become 65535; the later file wins.
  EXPECT_EQ(ini.ReadSectionValues("program"),
            (std::vector<std::string>{"x=65535", "y=65535", "z=-3"}));
  EXPECT_EQ(ini.ReadString("x", "caption"), "second");
  EXPECT_EQ(ini.ReadString("x", "bmp"), "x.bmp");  // keys of both files

  Rebuild(false);
  Rebuild(true);
  EXPECT_EQ(ReadBytes(catalog), first);
}

TEST_F(CatalogRebuildTest, ImageLinesAreNumberedAcrossFilesAndRestartEveryRebuild) {
  WriteLines(dir / "a.ini", {"[menu_image]", "one=**Окна", "two=[Окно 1]^C^COV_OKNO", "x=third"});
  WriteLines(dir / "b.ini", {"[menu_image]", "one=fourth", "z=fifth"});
  EXPECT_EQ(Rebuild(false), 5);
  for (int run = 0; run < 2; ++run) {
    Rebuild(true);
    EXPECT_EQ(dm.image_label_counter, 6);
    EXPECT_EQ(TIniFile(catalog).ReadSectionValues("menu_image"),
              (std::vector<std::string>{"Lebel_1=**Окна", "Lebel_2=[Окно 1]^C^COV_OKNO",
                                        "Lebel_3=third", "Lebel_4=fourth", "Lebel_5=fifth"}));
  }
}

TEST_F(CatalogRebuildTest, CountingPassWritesProgramsButNoSubmenuSections) {
  WriteLines(dir / "lib.ini",
             {"[program]", "p=4", "[p]", "caption=P", "submenu=S", "[S]", "bmp=s.bmp", "extra=1"});
  EXPECT_EQ(Rebuild(false), 2);
  EXPECT_EQ(dm.image_label_counter, 0);
  EXPECT_EQ(ReadCp1251(catalog), CrLf({"[program]", "p=4", "[p]", "caption=P", "submenu=S"}));
}

TEST_F(CatalogRebuildTest, WithoutDescriptionFilesNoCatalogRemains) {
  WriteLines(catalog, {"[program]", "old=1"});
  WriteLines(dir / "Set_Param.dat", {"[Setup]", "Menu_Name=M"});
  EXPECT_EQ(Rebuild(false), 0);
  Rebuild(true);
  EXPECT_FALSE(std::filesystem::exists(catalog));
  EXPECT_EQ(TIniFile(catalog).ReadString("program", "old", "none"), "none");
}

TEST_F(CatalogRebuildTest, MergesOneDescriptionIntoAnExistingCatalog) {
  WriteLines(dir / "dist.ini", {"[file]", "a.lsp=", "[program]", "a=1", "[a]", "file=a.lsp"});
  WriteLines(catalog, {"[file]", "a.lsp=other.ini", "[program]", "b=2"});
  EXPECT_EQ(MergeDescriptionIntoCatalog(dm, dir / "dist.ini", catalog, true), 0);
  EXPECT_EQ(ReadCp1251(catalog), CrLf({"[file]", "a.lsp=other.ini,dist.ini", "[program]", "b=2",
                                       "a=1", "[a]", "file=a.lsp"}));
}

}  // namespace
}  // namespace orv
