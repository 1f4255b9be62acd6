#include "platform/ini_file.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "support/test_support.h"

namespace orv {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteCp1251;

class IniFileTest : public ::testing::Test {
 protected:
  TempDir dir;
  std::filesystem::path file = dir / "lib.ini";
};

TEST_F(IniFileTest, ReadsWhatCallersRelyOn) {
  WriteCp1251(file,
              "; comment line\r\n"
              "[Setup]\r\n"
              "Menu_Name=LIB_M\r\n"
              "  Caption =  Стена  \r\n"
              "empty=\r\n"
              "eq=a=b=c\r\n"
              "\r\n"
              "junk line without equals\r\n"
              "dup=first\r\n"
              "DUP=second\r\n"
              "[Архитектура]\r\n"
              "bmp=arch.bmp\r\n"
              "[setup]\r\n"
              "late=in a repeated section\r\n"
              "[last]\n"
              "unix=lf only\n"
              "tail=no final break");
  TIniFile ini(file);
  struct Case {
    const char* section;
    const char* key;
    const char* expected;
  } cases[] = {
      {"setup", "menu_name", "LIB_M"},     // names ignore letter case
      {"SETUP", "caption", "Стена"},       // blanks around name and value dropped
      {"Setup", "empty", ""},              // empty value reads as empty, not the default
      {"Setup", "eq", "a=b=c"},            // the key ends at the first equals sign
      {"Setup", "dup", "first"},           // the first of duplicate keys wins
      {"АРХИТЕКТУРА", "BMP", "arch.bmp"},  // Cyrillic folded too
      {"Setup", "late", "<default>"},      // the first of duplicate sections wins
      {"last", "unix", "lf only"},
      {"last", "tail", "no final break"},
      {"missing", "x", "<default>"},
      {"Setup", "missing", "<default>"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ini.ReadString(c.section, c.key, "<default>"), c.expected)
        << c.section << "/" << c.key;
  }
  EXPECT_EQ(ini.ReadSection("setup"),
            (std::vector<std::string>{"Menu_Name", "Caption", "empty", "eq", "dup"}));
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"Setup", "Архитектура", "last"}));
  EXPECT_EQ(ini.ReadSectionValues("last"),
            (std::vector<std::string>{"unix=lf only", "tail=no final break"}));
}

TEST_F(IniFileTest, NumbersAndBooleans) {
  WriteCp1251(file, "[s]\r\nn=42\r\nneg=-7\r\nbad=12abc\r\nempty=\r\nbig=99999999999\r\nb0=0\r\n");
  TIniFile ini(file);
  EXPECT_EQ(ini.ReadInteger("s", "n", 1), 42);
  EXPECT_EQ(ini.ReadInteger("s", "neg", 1), -7);
  EXPECT_EQ(ini.ReadInteger("s", "bad", 65535), 65535);
  EXPECT_EQ(ini.ReadInteger("s", "empty", 65535), 65535);
  EXPECT_EQ(ini.ReadInteger("s", "big", 3), 3);
  EXPECT_FALSE(ini.ReadBool("s", "b0", true));
  EXPECT_TRUE(ini.ReadBool("s", "n", false));
  EXPECT_TRUE(ini.ReadBool("s", "bad", true));  // not a number: the default
  ini.WriteBool("s", "flag", true);
  ini.WriteInteger("s", "n", 5);
  EXPECT_EQ(ini.ReadString("s", "flag"), "1");
  EXPECT_EQ(ini.ReadString("s", "n"), "5");
}

TEST_F(IniFileTest, WritesKeepOrderAndReachTheDiskAtOnce) {
  TIniFile ini(file);  // the file does not exist yet
  ini.WriteString("file", "stena.lsp", "");
  ini.WriteString("file", "stena.ini", "");
  ini.WriteString("program", "stena", "1");
  ini.WriteString("FILE", "Stena.LSP", "x");  // rewriting keeps the place and the spelling
  ini.WriteString("file", "arch.bmp", "");
  ini.DeleteKey("file", "stena.ini");  // delete and write again: moves to the end
  ini.WriteString("file", "stena.ini", "");
  ini.WriteString("stena", "caption", "Стена");
  EXPECT_EQ(ReadBytes(file),
            "[file]\r\nstena.lsp=x\r\narch.bmp=\r\nstena.ini=\r\n"
            "[program]\r\nstena=1\r\n"
            "[stena]\r\ncaption=\xD1\xF2\xE5\xED\xE0\r\n");
}

TEST_F(IniFileTest, KeepsCommentsAndJunkWhenRewriting) {
  std::string junk = "bin\x01\xFF\x98 bytes";
  WriteCp1251(file, "top comment\r\n[a]\r\n; note\r\nk=v\r\n\r\n" + junk + "\r\n");
  std::string before = ReadBytes(file);
  TIniFile ini(file);
  ini.WriteString("a", "k2", "v2");
  std::string after = ReadBytes(file);
  EXPECT_NE(after.find("; note\r\nk=v\r\n\r\n"), std::string::npos);
  EXPECT_NE(after.find("top comment\r\n[a]"), std::string::npos);
  EXPECT_NE(after.find("k2=v2"), std::string::npos);
  EXPECT_EQ(ini.ReadSection("a"), (std::vector<std::string>{"k", "k2"}));
  (void)before;
}

TEST_F(IniFileTest, VeryLongLinesAndManyKeys) {
  std::string long_value(100000, 'x');
  TIniFile ini(file);
  {
    IniBatch batch;
    ini.WriteString("s", "long", long_value);
    for (int i = 0; i < 2000; ++i) ini.WriteInteger("many", "k" + std::to_string(i), i);
  }
  TIniFile again(file);
  EXPECT_EQ(again.ReadString("s", "long"), long_value);
  EXPECT_EQ(again.ReadInteger("many", "K1999", 0), 1999);
  EXPECT_EQ(again.ReadSection("many").size(), 2000u);
}

TEST_F(IniFileTest, EveryObjectSeesWhatAnotherWrote) {
  TIniFile catalog(file);  // lives long, as the window's catalog object does
  EXPECT_EQ(catalog.ReadString("program", "a", "none"), "none");
  TIniFile writer(file);
  writer.WriteString("program", "a", "1");
  EXPECT_EQ(catalog.ReadString("program", "a"), "1");
  // Another program replaces the file behind our back.
  WriteCp1251(file, "[program]\r\na=2\r\nb=3\r\n");
  EXPECT_EQ(catalog.ReadString("program", "a"), "2");
  EXPECT_EQ(catalog.ReadString("program", "b"), "3");
  // Deleted through the file helpers: reads as empty.
  DeleteFile(file);
  EXPECT_EQ(catalog.ReadString("program", "a", "gone"), "gone");
}

TEST_F(IniFileTest, BatchHoldsWritesBackUntilItEnds) {
  TIniFile ini(file);
  ini.WriteString("s", "before", "1");
  std::string on_disk;
  {
    IniBatch batch;
    ini.WriteString("s", "inside", "2");
    TIniFile other(file);
    EXPECT_EQ(other.ReadString("s", "inside"), "2");  // visible to other objects at once
    on_disk = ReadBytes(file);
    {
      IniBatch nested;
      ini.WriteString("s", "nested", "3");
    }
    EXPECT_EQ(ReadBytes(file), on_disk);  // only the outermost batch writes
  }
  EXPECT_EQ(on_disk, "[s]\r\nbefore=1\r\n");
  EXPECT_EQ(ReadBytes(file), "[s]\r\nbefore=1\r\ninside=2\r\nnested=3\r\n");
}

TEST_F(IniFileTest, FindsTheFileWhateverTheCaseOfItsName) {
  WriteCp1251(dir / "ORVPAK.SET", "[program]\r\nx=1\r\n");
  TIniFile ini(dir / "Orvpak.set");
  EXPECT_EQ(ini.ReadString("program", "x"), "1");
  ini.WriteString("program", "y", "2");
  // No second file under the asked-for name, on either kind of file system.
  EXPECT_EQ(ListDirectory(dir.path(), "*.set"), std::vector<std::string>{"ORVPAK.SET"});
  EXPECT_NE(ReadBytes(dir / "ORVPAK.SET").find("y=2"), std::string::npos);
}

TEST_F(IniFileTest, NeverLeavesTemporaryFilesBehind) {
  TIniFile ini(file);
  for (int i = 0; i < 5; ++i) ini.WriteInteger("s", "k", i);
  EXPECT_EQ(ListDirectory(dir.path(), "*").size(), 1u);
}

TEST_F(IniFileTest, EraseSectionAndValueLinesStayOnOneLine) {
  TIniFile ini(file);
  ini.WriteString("a", "k", "line1\r\nline2");
  ini.WriteString("b", "k", "v");
  EXPECT_EQ(ini.ReadString("a", "k"), "line1  line2");
  ini.EraseSection("A");
  EXPECT_EQ(ReadBytes(file), "[b]\r\nk=v\r\n");
  EXPECT_FALSE(ini.SectionExists("a"));
  EXPECT_TRUE(ini.ValueExists("B", "K"));
}

}  // namespace
}  // namespace orv
