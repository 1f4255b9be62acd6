// File names on Windows: Cyrillic names of a Windows-1251 description file
// reach the disk through the wide-character API, and a name that differs from
// the disk's only in letter case is that one file, whose name the disk keeps.
#include <gtest/gtest.h>

#include "app/add_library.h"
#include "lib_dir_fixture.h"
#include "library/data_module.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "platform/progress_indicator.h"
#include "platform/scripted_ui.h"
#include "platform/win32.h"
#include "support/test_support.h"

namespace orv::test {
namespace {

class FileNamesTest : public LibDirTest {
 protected:
  void SetUp() override {
    LibDirTest::SetUp();
    if (!HasFatalFailure()) WriteLines(Lib("Orvpak.mtt"), kWorkedExampleTemplate);
  }

  // The add-library command on the description file of a distribution.
  AddLibraryResult Add(const std::filesystem::path& description) {
    ProgressIndicator indicator;
    TDataModule1 dm(lib, indicator);
    AddLibraryResult result;
    indicator.SetMaximum(AddLibrarySteps(dm, messages, dm.CatalogPath(), description, false));
    AddLibrarySteps(dm, messages, dm.CatalogPath(), description, true, &result);
    return result;
  }

  TempDir dist;
  ScriptedMessageBox messages;
};

TEST_F(FileNamesTest, CyrillicNamesOfADescriptionFileAreFoundAndCopied) {
  WriteLines(dist / "Стены.ini",
             {"[file]", "Стена.lsp=", "Стена.bmp=", "Стены.ini=", "[program]", "стена=1", "[стена]",
              "file=Стена.lsp", "bmp=Стена.bmp", "caption=Стена"});
  WriteCp1251(dist / "Стена.lsp", "(defun c:стена () (princ))\r\n");
  WriteBitmap(dist / "Стена.bmp");

  AddLibraryResult result = Add(dist / "Стены.ini");
  ASSERT_FALSE(result.stopped) << messages.shown().back().text;
  EXPECT_TRUE(result.failed_copies.empty());
  // The names are the letters themselves, not their bytes in some code page.
  for (const wchar_t* name : {L"C:\\LIB\\Стена.lsp", L"C:\\LIB\\Стена.bmp", L"C:\\LIB\\Стены.ini"})
    EXPECT_NE(GetFileAttributesW(name), INVALID_FILE_ATTRIBUTES) << Utf8FromWide(name);
  EXPECT_EQ(ReadBytes(Lib("Стена.lsp")), ReadBytes(dist / "Стена.lsp"));
  EXPECT_NE(ReadCp1251(Lib("LIB_M.mnl")).find("(load \"Стена.lsp\")\r\n"), std::string::npos);
}

TEST_F(FileNamesTest, ANameInAnotherLetterCaseIsTheFileOnDisk) {
  struct Case {
    const char* what;
    const char* installed;  // already in C:\LIB, empty for none
    const char* on_disk;    // in the distribution
    const char* listed;     // in its description file
    bool asked;             // whether replacing an installed file is asked
    std::vector<std::string> after;
  } cases[] = {
      {"listed in capitals, nothing installed", "", "stena.lsp", "STENA.LSP", false, {"STENA.LSP"}},
      {"installed in lower case, listed mixed",
       "stena.lsp",
       "Stena.Lsp",
       "Stena.Lsp",
       true,
       {"stena.lsp"}},
      {"installed in capitals, listed in lower case",
       "STENA.LSP",
       "stena.lsp",
       "stena.lsp",
       true,
       {"STENA.LSP"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    std::filesystem::remove_all(dist.path() / "d");
    std::filesystem::path description = dist / "d/lib.ini";
    WriteLines(description, {"[file]", std::string(c.listed) + "=", "lib.ini="});
    WriteCp1251(dist / (std::string("d/") + c.on_disk), "new");
    if (*c.installed) WriteCp1251(Lib(c.installed), "old");
    messages.ClearShown();
    messages.SetDefaultAnswer(Answer::Yes);

    AddLibraryResult result = Add(description);
    ASSERT_FALSE(result.stopped) << messages.shown().back().text;
    EXPECT_EQ(ListDirectory(lib, "*.lsp"), c.after);
    EXPECT_EQ(ReadBytes(Lib(c.after[0])), "new");
    bool asked = !messages.shown().empty() &&
                 messages.shown()[0].text ==
                     "У Вас уже установлен файл " + std::string(c.listed) + " Обновить его (все)";
    EXPECT_EQ(asked, c.asked);
  }
}

// Some file systems (Wine's) take a rename that changes only the letter case
// for done and keep the old name.
TEST_F(FileNamesTest, ARenameOfTheLetterCaseAloneChangesTheName) {
  WriteCp1251(Lib("okno.lsp"), "x");
  ASSERT_TRUE(RenameFile(Lib("okno.lsp"), Lib("OKNO.LSP")));
  EXPECT_EQ(ListDirectory(lib, "*.lsp"), std::vector<std::string>{"OKNO.LSP"});
  EXPECT_EQ(ReadBytes(Lib("OKNO.LSP")), "x");
}

// Two objects on one catalog under two spellings share what a batch holds
// back; were they two documents, the later write would drop the earlier.
TEST_F(FileNamesTest, OneIniFileUnderTwoSpellingsKeepsBothWritesOfABatch) {
  WriteLines(Lib("Orvpak.set"), {"[program]"});
  {
    IniBatch batch;
    TIniFile(Lib("Orvpak.set")).WriteString("program", "a", "1");
    TIniFile(Lib("ORVPAK.SET")).WriteString("program", "b", "2");
  }
  EXPECT_EQ(ReadBytes(Lib("Orvpak.set")), CrLf({"[program]", "a=1", "b=2"}));
}

// A file copied from a CD keeps its read-only attribute on Windows; elsewhere
// only the directory's permissions count, and so they do here.
TEST_F(FileNamesTest, ReadOnlyFilesAreReplacedAndDeletedAsElsewhere) {
  WriteCp1251(Lib("okno.lsp"), "old");
  WriteCp1251(dist / "okno.lsp", "new");
  auto make_read_only = [&] {
    ASSERT_TRUE(SetFileAttributesW((Lib("okno.lsp")).c_str(), FILE_ATTRIBUTE_READONLY));
  };
  make_read_only();
  EXPECT_TRUE(CopyFile(dist / "okno.lsp", Lib("okno.lsp")));
  EXPECT_EQ(ReadBytes(Lib("okno.lsp")), "new");
  make_read_only();
  WriteFileAtomic(Lib("okno.lsp"), "rewritten");
  EXPECT_EQ(ReadBytes(Lib("okno.lsp")), "rewritten");
  make_read_only();
  EXPECT_TRUE(DeleteFile(Lib("okno.lsp")));
  EXPECT_FALSE(std::filesystem::exists(Lib("okno.lsp")));
}

}  // namespace
}  // namespace orv::test
