// Reading values out of a Wine registry export.
#include <gtest/gtest.h>

#include "platform/registry_wine.h"

namespace orv {
namespace {

#ifndef _WIN32
// What "reg export" writes, decoded to UTF-8; the key's subkeys follow it.
constexpr std::string_view kExport =
    "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Autodesk\\AutoCAD\\R15.0\\ACAD-1:409\\Profiles]\r\n"
    "@=\"<<Unnamed Profile>>\"\r\n"
    "\"ACAD\"=\"C:\\\\Program Files\\\\ACAD2000\\\\support;Z:\\\\home\\\\Библ\\\\\"\r\n"
    "\"Quoted\"=\"say \\\"hi\\\" = [x]\"\r\n"
    "\"Count\"=dword:00000005\r\n"
    "\"Expand\"=hex(2):25,00,50,00,41,00,54,00,48,00,25,00,3b,00,43,00,3a,00,5c,00,\\\r\n"
    "  41,00,00,00\r\n"
    "\"Empty\"=\"\"\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Autodesk\\AutoCAD\\R15.0\\ACAD-1:409\\Profiles\\P\\General]\r\n"
    "\"Deeper\"=\"only in the subkey\"\r\n"
    "@=\"subkey default\"\r\n";

TEST(RegExportTest, FindsStringValuesOfTheFirstKeyOnly) {
  struct Case {
    const char* name;
    std::optional<std::string> expected;
  };
  const Case cases[] = {
      {"", "<<Unnamed Profile>>"},
      {"acad", "C:\\Program Files\\ACAD2000\\support;Z:\\home\\Библ\\"},
      {"Quoted", "say \"hi\" = [x]"},
      {"Expand", "%PATH%;C:\\A"},
      {"Empty", ""},
      {"Count", std::nullopt},
      {"Deeper", std::nullopt},
      {"Missing", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FindRegExportValue(kExport, c.name), c.expected);
  }
}

TEST(RegExportTest, AKeyWithoutADefaultValueHasNone) {
  EXPECT_EQ(FindRegExportValue("[HKEY_CURRENT_USER\\X]\r\n\"a\"=\"1\"\r\n", ""), std::nullopt);
  EXPECT_EQ(FindRegExportValue("", "a"), std::nullopt);
}

TEST(WineRegistryTest, APrefixThatWasNeverCreatedHoldsNothingAndStartsNoWine) {
  WineRegistry registry("/nonexistent/orvpak-prefix");
  EXPECT_FALSE(registry.PrefixExists());
  EXPECT_EQ(registry.Read(RootKey::LocalMachine, "Software\\Autodesk\\AutoCAD", "CurVer"),
            std::nullopt);
}

TEST(RunProgramTest, PassesArgumentsAsTheyStandAndCapturesBothStreams) {
  ProgramRun run = RunProgram(
      {"sh", "-c", "printf '%s|' \"$1\" \"$X\"; echo err >&2; exit 3", "sh", "a b;$HOME \"q\""},
      {"X=Библ"});
  EXPECT_EQ(run.exit_code, 3);
  EXPECT_EQ(run.out, "a b;$HOME \"q\"|Библ|");
  EXPECT_EQ(run.err, "err\n");
  EXPECT_THROW(RunProgram({"orvpak-no-such-program"}), RegistryError);
}
#endif

}  // namespace
}  // namespace orv
