// The registration through a Wine prefix: AutoCAD's keys are seeded with
// "wine reg add", the result is read back with Wine's own reg program.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "installer/autocad_registration.h"
#include "platform/file_system.h"
#include "platform/registry_wine.h"
#include "support/test_support.h"

namespace orv::test {
namespace {

namespace fs = std::filesystem;
using installer::RegisterWithAutoCad;
using installer::Registration;

const std::string kGeneral =
    "HKEY_CURRENT_USER\\SOFTWARE\\Autodesk\\AutoCAD\\R15.0\\ACAD-1:409\\Profiles\\"
    "<<Unnamed Profile>>\\General";

fs::path TestDir() {
  return fs::path(ORV_WINE_TEST_DIR);
}
fs::path Prefix() {
  return TestDir() / "prefix";
}

orv::ProgramRun Wine(const std::vector<std::string>& args, int timeout_seconds = 120) {
  // No Mono or Gecko installer prompts in a fresh prefix.
  return orv::RunProgram(
      args,
      {"WINEPREFIX=" + Prefix().string(), "WINEDEBUG=-all", "WINEDLLOVERRIDES=mscoree,mshtml="},
      timeout_seconds);
}

void RegAdd(const std::string& key, const std::string& name, const std::string& value) {
  std::vector<std::string> args = {"wine", "reg", "add", key};
  if (name.empty()) {
    args.push_back("/ve");
  } else {
    args.insert(args.end(), {"/v", name});
  }
  args.insert(args.end(), {"/d", value, "/f", "/reg:32"});
  orv::ProgramRun run = Wine(args);
  ASSERT_EQ(run.exit_code, 0) << run.out << run.err;
}

// The Windows path the default prefix gives a Unix path: drive Z: is the root.
std::string DriveZ(const fs::path& dir) {
  std::string path = "Z:" + PathToUtf8(dir);
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

class WineRegistrationTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    wine_found_ = OnPath("wine");
    if (!wine_found_) return;
    std::error_code ec;
    fs::remove_all(TestDir(), ec);
    fs::create_directories(TestDir());
    orv::ProgramRun boot = Wine({"wineboot", "--init"}, 600);
    ASSERT_EQ(boot.exit_code, 0) << boot.out << boot.err;

    RegAdd("HKLM\\Software\\Autodesk\\AutoCAD", "CurVer", "R15.0");
    RegAdd("HKLM\\Software\\Autodesk\\AutoCAD\\R15.0", "CurVer", "ACAD-1:409");
    RegAdd("HKLM\\Software\\Autodesk\\AutoCAD\\R15.0\\ACAD-1:409", "AcadLocation",
           "C:\\Program Files\\ACAD2000");
    RegAdd("HKCU\\Software\\Autodesk\\AutoCAD\\R15.0\\ACAD-1:409\\Profiles", "",
           "<<Unnamed Profile>>");
  }

  static void TearDownTestSuite() {
    if (wine_found_) orv::RunProgram({"wineserver", "-k"}, {"WINEPREFIX=" + Prefix().string()});
  }

  void SetUp() override {
    if (!wine_found_) GTEST_SKIP() << "Wine is not installed";
  }

  static bool OnPath(const char* program) {
    try {
      orv::RunProgram({program, "--version"});
      return true;
    } catch (const RegistryError&) {
      return false;
    }
  }

  static bool wine_found_;
};

bool WineRegistrationTest::wine_found_ = false;

TEST_F(WineRegistrationTest, AddsTheDirectoryAndWritesTheScriptWithItsWindowsPath) {
  fs::path lib = TestDir() / "acad lib";
  fs::create_directories(lib);
  RegAdd(kGeneral, "ACAD", "C:\\Program Files\\ACAD2000\\support;C:\\LIBRARY");

  WineRegistry registry(Prefix());
  ASSERT_EQ(RegisterWithAutoCad(lib, "LIB_M", registry), Registration::Done);

  std::string windows_dir = DriveZ(lib);
  orv::ProgramRun query = Wine({"wine", "reg", "query", kGeneral, "/v", "ACAD", "/reg:32"});
  ASSERT_EQ(query.exit_code, 0) << query.err;
  EXPECT_NE(query.out.find("    ACAD    REG_SZ    C:\\Program Files\\ACAD2000\\support;"
                           "C:\\LIBRARY;" +
                           windows_dir + "\r\n"),
            std::string::npos)
      << query.out;

  std::string escaped;
  for (char c : windows_dir) escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
  EXPECT_EQ(ReadBytes(lib / "temp.scr"),
            CrLf({"(command \"_menuload\" \"" + escaped + "\\\\LIB_M.mnl\")"}));
  EXPECT_EQ(ReadBytes(lib / "temp.bat"), CrLf({"\"C:\\Program Files\\ACAD2000\\Acad.Exe\"  /b \"" +
                                               windows_dir + "\\temp.scr\""}));

  // A second run finds the directory there and leaves the path as it is.
  ASSERT_EQ(RegisterWithAutoCad(lib, "LIB_M", registry), Registration::Done);
  orv::ProgramRun again = Wine({"wine", "reg", "query", kGeneral, "/v", "ACAD", "/reg:32"});
  EXPECT_EQ(again.out, query.out);
}

TEST_F(WineRegistrationTest, CyrillicEntriesOfTheSupportPathSurviveTheRewrite) {
  fs::path lib = TestDir() / PathFromUtf8("Библиотека");
  fs::create_directories(lib);
  RegAdd(kGeneral, "ACAD", "C:\\Старые библиотеки;C:\\ACAD2000\\support");

  WineRegistry registry(Prefix());
  ASSERT_EQ(RegisterWithAutoCad(lib, "LIB_M", registry), Registration::Done);

  // reg query prints through the console code page; an export keeps every character.
  fs::path exported = TestDir() / "general.reg";
  orv::ProgramRun run =
      Wine({"wine", "reg", "export", kGeneral, exported.string(), "/y", "/reg:32"});
  ASSERT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(FindRegExportValue(DecodeRegExport(ReadBytes(exported)), "ACAD"),
            "C:\\Старые библиотеки;C:\\ACAD2000\\support;" + DriveZ(lib));
}

}  // namespace
}  // namespace orv::test
