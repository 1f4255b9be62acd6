#include "menugen/menu_files.h"

#include "library/settings.h"
#include "menugen_fixture.h"
#include "platform/ini_file.h"
#include "support/worked_example.h"

namespace orv {
namespace {

using test::CrLf;
using test::ReadBytes;
using test::ReadCp1251;
using test::WriteLines;

class MenuFilesTest : public test::MenugenTest {
 protected:
  std::vector<std::string> texts;

  void SetUp() override {
    indicator.on_text = [this](const std::string& text) { texts.push_back(text); };
    test::WriteWorkedExampleLibrary(dir.path());
  }

  // What a command does: counting pass, maximum, working pass.
  int Generate() {
    int steps = GenerateMenuFiles(dm, false);
    indicator.SetMaximum(steps);
    GenerateMenuFiles(dm, true);
    return steps;
  }
};

TEST_F(MenuFilesTest, WritesBothFilesFromTheRebuiltCatalog) {
  WriteLines(catalog, {"[program]", "stale=1", "[stale]", "file=stale.lsp"});
  int steps = GenerateMenuFiles(dm, false);
  // Counting sees the catalog as it stands, with the programs merged into it:
  // the rebuild 7 (4 files, 2 image lines, 1 submenu line), the menu LISP file
  // 2 + 3 (the stale program too), the menu source 6 + 11 + 5 (the image lines
  // reach the catalog in the working pass only).
  EXPECT_EQ(steps, 7 + 5 + 6 + 11 + 5);
  EXPECT_EQ(dm.ProgressPosition(), 4);
  EXPECT_FALSE(std::filesystem::exists(dir / "LIB_M.mnl"));
  EXPECT_FALSE(std::filesystem::exists(dir / "LIB_M.mns"));

  indicator.SetMaximum(steps);
  texts.clear();
  GenerateMenuFiles(dm, true);
  EXPECT_EQ(texts, (std::vector<std::string>{"Идет обновление информации по INI файлам",
                                             "Идет создание файла LIB_M.mnl",
                                             "Идет создание файла LIB_M.mns"}));
  EXPECT_FALSE(TIniFile(catalog).SectionExists("stale"));

  std::string mnl = ReadCp1251(dir / "LIB_M.mnl");
  EXPECT_EQ(mnl.rfind("(load \"set_out.lsp\")\r\n(load \"set_err.lsp\")\r\n(defun Get_Setup", 0),
            0u);
  EXPECT_EQ(mnl.find("stale"), std::string::npos);
  EXPECT_EQ(ReadCp1251(dir / "LIB_M.mns"), CrLf(test::WorkedExampleMenuSource(dir_text, "LIB_M")));
}

TEST_F(MenuFilesTest, SecondRunGivesIdenticalFilesAndCountingTouchesNothing) {
  Generate();
  std::string mnl = ReadBytes(dir / "LIB_M.mnl");
  std::string mns = ReadBytes(dir / "LIB_M.mns");
  EXPECT_EQ(GenerateMenuFiles(dm, false), Generate());
  EXPECT_EQ(ReadBytes(dir / "LIB_M.mnl"), mnl);
  EXPECT_EQ(ReadBytes(dir / "LIB_M.mns"), mns);

  auto mns_time = std::filesystem::last_write_time(dir / "LIB_M.mns");
  auto mnl_time = std::filesystem::last_write_time(dir / "LIB_M.mnl");
  GenerateMenuFiles(dm, false);
  EXPECT_EQ(std::filesystem::last_write_time(dir / "LIB_M.mns"), mns_time);
  EXPECT_EQ(std::filesystem::last_write_time(dir / "LIB_M.mnl"), mnl_time);
}

TEST_F(MenuFilesTest, MissingTemplateStopsTheCountingPassWithFilesAsTheyWere) {
  Generate();
  std::string mnl = ReadBytes(dir / "LIB_M.mnl");
  std::string mns = ReadBytes(dir / "LIB_M.mns");
  std::string set = ReadBytes(catalog);
  WriteLines(dir / "more.ini", {"[program]", "more=1", "[more]", "file=more.lsp"});
  std::filesystem::remove(dir / "Orvpak.mtt");
  EXPECT_THROW(GenerateMenuFiles(dm, false), IoError);
  EXPECT_THROW(GenerateMenuFiles(dm, true), IoError);
  EXPECT_EQ(ReadBytes(dir / "LIB_M.mnl"), mnl);
  EXPECT_EQ(ReadBytes(dir / "LIB_M.mns"), mns);
  EXPECT_EQ(ReadBytes(catalog), set);
}

TEST_F(MenuFilesTest, MenuNameNamesTheFilesTheGroupAndTheComments) {
  WriteLines(dir / "Set_Param.dat", {"[Setup]", "Menu_Name=ARCH", "NO_ERROR=y"});
  Generate();
  EXPECT_FALSE(std::filesystem::exists(dir / "LIB_M.mns"));
  EXPECT_EQ(texts.back(), "Идет создание файла ARCH.mns");
  std::string mns = ReadCp1251(dir / "ARCH.mns");
  for (const std::string& part :
       {"AutoCAD файл меню - " + dir_text + "ARCH.mns\r\n", std::string("***MENUGROUP=ARCH\r\n"),
        std::string("_OtherIcon, ARCH.Архитектура)]\r\n"),
        "Конец AutoCAD файла меню - " + dir_text + "ARCH.mns\r\n//\r\n"}) {
    EXPECT_NE(mns.find(part), std::string::npos) << part;
  }
  EXPECT_EQ(mns.find("LIB_M"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(dir / "ARCH.mnl"));
}

TEST_F(MenuFilesTest, WithoutLibrariesOnlyHeadersAreWritten) {
  std::filesystem::remove(dir / "okno.ini");
  // The counting pass: catalog 0, menu LISP 2, pull-down 2, toolbars 4, image 5.
  EXPECT_EQ(Generate(), 13);
  EXPECT_FALSE(std::filesystem::exists(catalog));
  EXPECT_EQ(ReadCp1251(dir / "LIB_M.mnl"),
            CrLf({"(load \"set_out.lsp\")", "(load \"set_err.lsp\")", "(defun Get_Setup () nil)",
                  "(defun Set_Setup () nil)", "(princ)"}));
}

}  // namespace
}  // namespace orv
