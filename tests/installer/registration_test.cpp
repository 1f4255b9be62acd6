// Registration with AutoCAD: the support path, temp.scr and temp.bat.
#include <gtest/gtest.h>

#include "installer_fixture.h"
#include "platform/cp1251.h"

namespace orv::test {
namespace {

using namespace installer;

TEST(SupportPathTest, DirectoryIsAddedUnlessItIsAlreadyAnEntry) {
  struct Case {
    const char* path;
    const char* dir;
    const char* expected;
  };
  const Case cases[] = {
      {"", "C:\\LIB", "C:\\LIB"},
      {"C:\\ACAD\\SUPPORT", "C:\\LIB", "C:\\ACAD\\SUPPORT;C:\\LIB"},
      {"C:\\ACAD\\SUPPORT;", "C:\\LIB", "C:\\ACAD\\SUPPORT;C:\\LIB"},
      {"C:\\ACAD;C:\\LIB;D:\\X", "C:\\LIB", "C:\\ACAD;C:\\LIB;D:\\X"},
      // Letter case and a trailing backslash do not make another directory.
      {"C:\\ACAD;c:\\lib\\", "C:\\LIB", "C:\\ACAD;c:\\lib\\"},
      {"Z:\\home\\Библ", "z:\\HOME\\библ", "Z:\\home\\Библ"},
      // A directory that only begins an entry, or ends one, is not in the path.
      {"C:\\LIBRARY", "C:\\LIB", "C:\\LIBRARY;C:\\LIB"},
      {"C:\\LIB\\OLD;D:\\A", "C:\\LIB", "C:\\LIB\\OLD;D:\\A;C:\\LIB"},
      {"D:\\C:\\LIB", "C:\\LIB", "D:\\C:\\LIB;C:\\LIB"},
      {"\\\\SRV\\LIB", "\\\\SRV\\LIB", "\\\\SRV\\LIB"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.path) + " + " + c.dir);
    EXPECT_EQ(ExtendSupportPath(c.path, c.dir), c.expected);
  }
}

class RegistrationTest : public InstallerTest {};

TEST_F(RegistrationTest, ScriptAndBatchLinesByteForByte) {
  struct Case {
    const char* name;
    std::string dir, location, script, batch;
  };
  const Case cases[] = {
      {"plain directory", "C:\\LIB", "C:\\ACAD2000",
       R"((command "_menuload" "C:\\LIB\\LIB_M.mnl"))",
       R"("C:\ACAD2000\Acad.Exe"  /b "C:\LIB\temp.scr")"},
      {"network directory", "\\\\SERVER\\Share\\LIB", "C:\\Program Files\\ACAD2000",
       R"((command "_menuload" "\\\\SERVER\\Share\\LIB\\LIB_M.mnl"))",
       R"("C:\Program Files\ACAD2000\Acad.Exe"  /b "\\SERVER\Share\LIB\temp.scr")"},
      {"Cyrillic directory", "Z:\\home\\Библиотека", "C:\\ACAD2000",
       R"((command "_menuload" "Z:\\home\\Библиотека\\LIB_M.mnl"))",
       R"("C:\ACAD2000\Acad.Exe"  /b "Z:\home\Библиотека\temp.scr")"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryRegistry reg;
    reg.windows_dir = c.dir;
    SeedAutoCad(reg, "", c.location);
    // Earlier, longer files are replaced whole.
    WriteLines(dir / "temp.scr", {"(old script)", "(second line)", "(third line)"});
    WriteLines(dir / "temp.bat", {"@echo old", "rem second", "rem third"});

    EXPECT_EQ(RegisterWithAutoCad(dir.path(), "LIB_M", reg), Registration::Done);
    EXPECT_EQ(ReadBytes(dir / "temp.scr"), EncodeCp1251(c.script + "\r\n"));
    EXPECT_EQ(ReadBytes(dir / "temp.bat"), EncodeCp1251(c.batch + "\r\n"));
  }
}

TEST_F(RegistrationTest, SupportPathIsWrittenBackUnderTheProfileKeyEvenWhenUnchanged) {
  registry.windows_dir = "C:\\LIB\\";  // a trailing backslash is dropped
  SeedAutoCad(registry, "C:\\ACAD2000\\SUPPORT;C:\\LIB");
  ASSERT_EQ(RegisterWithAutoCad(dir.path(), "LIB_M", registry), Registration::Done);

  ASSERT_EQ(registry.written.size(), 1u);
  const MemoryRegistry::Written& w = registry.written[0];
  EXPECT_EQ(w.root, RootKey::CurrentUser);
  EXPECT_EQ(w.key, kGeneralKey);
  EXPECT_EQ(w.name, "ACAD");
  EXPECT_EQ(w.value, "C:\\ACAD2000\\SUPPORT;C:\\LIB");
  EXPECT_EQ(ReadCp1251(dir / "temp.bat"),
            CrLf({R"("C:\ACAD2000\Acad.Exe"  /b "C:\LIB\temp.scr")"}));
}

TEST_F(RegistrationTest, AnIncompleteAutoCadRegistrationWritesNothing) {
  struct Case {
    const char* name;
    RootKey root;
    std::string key, value_name;
  };
  const Case cases[] = {
      {"no current release", RootKey::LocalMachine, "Software\\Autodesk\\AutoCAD", "CurVer"},
      {"no current product", RootKey::LocalMachine, "Software\\Autodesk\\AutoCAD\\R15.0", "CurVer"},
      {"no installation directory", RootKey::LocalMachine,
       "Software\\Autodesk\\AutoCAD\\R15.0\\ACAD-1:409", "AcadLocation"},
      {"no current profile", RootKey::CurrentUser,
       "SOFTWARE\\Autodesk\\AutoCAD\\R15.0\\ACAD-1:409\\Profiles", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryRegistry reg;
    SeedAutoCad(reg, "C:\\ACAD2000\\SUPPORT");
    reg.Write(c.root, c.key, c.value_name, "");
    reg.written.clear();

    EXPECT_EQ(RegisterWithAutoCad(dir.path(), "LIB_M", reg), Registration::NoAutoCad);
    EXPECT_TRUE(reg.written.empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "temp.scr"));
    EXPECT_FALSE(std::filesystem::exists(dir / "temp.bat"));
  }
}

TEST(RegIniFileTest, MissingValuesReadAsTheDefaultAndKeysMatchWithoutLetterCase) {
  MemoryRegistry store;
  TRegIniFile reg(store, RootKey::LocalMachine);
  EXPECT_EQ(reg.ReadString("Software\\X", "V"), "");
  EXPECT_EQ(reg.ReadString("Software\\X", "V", "dflt"), "dflt");
  reg.WriteString("Software\\X\\", "V", "1");
  reg.WriteString("Software\\X", "", "default");
  EXPECT_EQ(reg.ReadString("SOFTWARE\\x", "v"), "1");
  EXPECT_EQ(reg.ReadDefaultValue("software\\X"), "default");
  reg.SetRootKey(RootKey::CurrentUser);
  EXPECT_EQ(reg.ReadString("Software\\X", "V"), "");
}

}  // namespace
}  // namespace orv::test
