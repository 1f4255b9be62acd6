#include "platform/file_system.h"

#include <gtest/gtest.h>

#include "platform/bitmap.h"
#include "support/test_support.h"

namespace orv {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteCp1251;

TEST(Pattern, MatchesLikeWindows) {
  struct Case {
    const char* name;
    const char* pattern;
    bool match;
  } cases[] = {
      {"stena.ini", "*.ini", true}, {"STENA.INI", "*.ini", true}, {"a.ini.bak", "*.ini", false},
      {"Стена.ini", "*.INI", true}, {"x.bmp", "*.bmp", true},     {"x.bmpx", "*.bmp", false},
      {"noext", "*.*", true},       {"a.b", "?.b", true},         {"ab.b", "?.b", false},
      {"draw.sld", "*.sl?", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MatchesPattern(c.name, c.pattern), c.match) << c.name << " " << c.pattern;
  }
}

TEST(Directory, ListsByNameIgnoringCaseAndSkipsDirectories) {
  TempDir dir;
  for (const char* name : {"b.ini", "A.ini", "c.INI", "a.lsp", "Ж.ini", "ж2.ini"}) {
    WriteCp1251(dir / name, "");
  }
  std::filesystem::create_directory(dir / "sub.ini");
  EXPECT_EQ(ListDirectory(dir.path(), "*.ini"),
            (std::vector<std::string>{"A.ini", "b.ini", "c.INI", "Ж.ini", "ж2.ini"}));
  EXPECT_EQ(ListDirectory(dir.path(), "*.ini", true).size(), 6u);
  EXPECT_TRUE(ListDirectory(dir / "missing", "*").empty());
}

TEST(Directory, FindsRenamesCopiesAndDeletesIgnoringCase) {
  TempDir dir;
  WriteCp1251(dir / "Stena.LSP", "(defun c:stena ())");
  EXPECT_TRUE(FileExists(dir / "stena.lsp"));
  EXPECT_EQ(ResolveFile(dir.path(), "STENA.lsp"), dir / "Stena.LSP");
  EXPECT_EQ(ResolveFile(dir.path(), "new.lsp"), dir / "new.lsp");

  ASSERT_TRUE(CopyFile(dir / "stena.lsp", dir / "copy.lsp"));
  EXPECT_EQ(ReadBytes(dir / "copy.lsp"), "(defun c:stena ())");
  // Copying over a file that exists under another case replaces that file.
  WriteCp1251(dir / "Target.lsp", "old");
  ASSERT_TRUE(CopyFile(dir / "copy.lsp", dir / "target.LSP"));
  EXPECT_EQ(ReadBytes(dir / "Target.lsp"), "(defun c:stena ())");
  EXPECT_EQ(ListDirectory(dir.path(), "target.*"), std::vector<std::string>{"Target.lsp"});

  EXPECT_FALSE(RenameFile(dir / "copy.lsp", dir / "target.lsp"));  // destination taken
  EXPECT_TRUE(RenameFile(dir / "COPY.lsp", dir / "moved.lsp"));
  EXPECT_TRUE(FileExists(dir / "moved.lsp"));
  EXPECT_FALSE(FileExists(dir / "copy.lsp"));

  EXPECT_TRUE(DeleteFile(dir / "MOVED.LSP"));
  EXPECT_FALSE(FileExists(dir / "moved.lsp"));
  EXPECT_FALSE(DeleteFile(dir / "moved.lsp"));
  EXPECT_FALSE(CopyFile(dir / "missing", dir / "x"));
}

TEST(Directory, AtomicWriteReplacesTheWholeFile) {
  TempDir dir;
  WriteFileAtomic(dir / "f.txt", "first version, longer");
  WriteFileAtomic(dir / "f.txt", "second");
  EXPECT_EQ(ReadBytes(dir / "f.txt"), "second");
  EXPECT_EQ(ListDirectory(dir.path(), "*").size(), 1u);
  EXPECT_THROW(ReadFileBytes(dir / "missing"), IoError);
  EXPECT_THROW(WriteFileAtomic(dir / "no" / "such" / "dir", "x"), IoError);
}

TEST(Directory, ProgramDirectoryTextEndsWithSeparator) {
  EXPECT_EQ(DirectoryWithSeparator("/x/lib"), "/x/lib/");
  EXPECT_EQ(DirectoryWithSeparator("/x/lib/"), "/x/lib/");
}

TEST(Bitmap, TellsAWellFormedBitmapFromJunk) {
  TempDir dir;
  test::WriteBitmap(dir / "ok.bmp");
  EXPECT_TRUE(IsReadableBitmap(dir / "ok.bmp"));
  EXPECT_TRUE(IsReadableBitmap(dir / "OK.BMP"));
  std::string bytes = ReadBytes(dir / "ok.bmp");
  WriteFileAtomic(dir / "cut.bmp", bytes.substr(0, bytes.size() / 2));
  WriteFileAtomic(dir / "text.bmp", "not a bitmap at all, just text");
  WriteFileAtomic(dir / "empty.bmp", "");
  for (const char* name : {"cut.bmp", "text.bmp", "empty.bmp", "missing.bmp"}) {
    EXPECT_FALSE(IsReadableBitmap(dir / name)) << name;
  }
}

}  // namespace
}  // namespace orv
