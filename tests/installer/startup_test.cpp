// Start-up of the installer: the new program file, the three modes and their
// exit codes, and the first installation's OK.
#include <gtest/gtest.h>

#include "installer/installer_files.h"
#include "installer_fixture.h"
#include "library/settings.h"

namespace orv::test {
namespace {

using installer::kMainProgramFileName;
using installer::kNewProgramFileName;

class StartupTest : public InstallerTest {};

TEST_F(StartupTest, ModesFollowTheSettingsFiles) {
  struct Case {
    const char* name;
    bool old_file, new_file;
    InstallMode mode;
    bool shown;
    int exit_code;
    bool group1, group2;
  };
  const Case cases[] = {
      {"update", true, true, InstallMode::Update, true, 0, true, false},
      {"first installation", false, true, InstallMode::FirstInstallation, true, 0, false, true},
      {"no new version", true, false, InstallMode::NoNewVersion, false, 100, true, true},
      {"nothing at all", false, false, InstallMode::NoNewVersion, false, 100, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir d;
    if (c.old_file) WriteLines(d / "Set_Param.dat", {"[Setup]", "Menu_Name=OLD"});
    if (c.new_file) WriteLines(d / "Set_Param._at", {"[Setup]", "Menu_Name=NEW"});
    ScriptedMessageBox box;
    TOKBottomDlg form(d.path(), box, registry);

    EXPECT_EQ(form.FormCreate(), c.shown);
    EXPECT_EQ(form.Mode(), c.mode);
    EXPECT_EQ(form.GroupBox1Visible, c.group1);
    EXPECT_EQ(form.GroupBox2Visible, c.group2);
    if (!c.shown) {
      EXPECT_EQ(form.ExitCode(), c.exit_code);
    }
    if (c.exit_code == 100) {
      ASSERT_EQ(box.shown().size(), 1u);
      EXPECT_EQ(box.shown()[0].text, "Не найден файл установки новой версии - \"Set_Param._at\"");
      EXPECT_EQ(box.shown()[0].caption, "Внимание");
      EXPECT_EQ(box.shown()[0].buttons, kOk);
    } else {
      EXPECT_TRUE(box.shown().empty());
    }
  }
}

TEST_F(StartupTest, UpdateWithNothingToSettleEndsAtOnceAndRegistersNothing) {
  WriteLines(Old(), {"[Setup]", "Menu_Name=M"});
  WriteLines(New(), {"[Setup]", "Menu_Name=M", "Added=1"});
  SeedAutoCad(registry, "C:\\ACAD2000\\SUPPORT");

  EXPECT_FALSE(dlg.FormCreate());
  EXPECT_EQ(dlg.ExitCode(), 0);
  EXPECT_EQ(Read(Old(), "Setup", "Added"), "1");
  EXPECT_TRUE(std::filesystem::exists(New()));
  EXPECT_TRUE(registry.written.empty());
  EXPECT_FALSE(std::filesystem::exists(dir / "temp.scr"));
  EXPECT_FALSE(std::filesystem::exists(dir / "temp.bat"));
}

TEST_F(StartupTest, NewProgramFileReplacesTheInstalledOneBeforeAnythingIsAsked) {
  WriteCp1251(dir / kMainProgramFileName, "old program");
  WriteCp1251(dir / kNewProgramFileName, "new program");
  std::filesystem::permissions(dir / kNewProgramFileName, std::filesystem::perms::owner_read |
                                                              std::filesystem::perms::owner_write);

  EXPECT_FALSE(dlg.FormCreate());  // no Set_Param._at either
  EXPECT_EQ(dlg.ExitCode(), 100);
  EXPECT_EQ(ReadBytes(dir / kMainProgramFileName), "new program");
  EXPECT_FALSE(std::filesystem::exists(dir / kNewProgramFileName));
#ifndef _WIN32
  auto perms = std::filesystem::status(dir / kMainProgramFileName).permissions();
  EXPECT_NE(perms & std::filesystem::perms::owner_exec, std::filesystem::perms::none);
#endif
}

TEST_F(StartupTest, WithoutANewProgramFileTheInstalledOneStays) {
  WriteCp1251(dir / kMainProgramFileName, "installed");
  WriteLines(New(), {"[Setup]"});
  EXPECT_TRUE(dlg.FormCreate());
  EXPECT_EQ(ReadBytes(dir / kMainProgramFileName), "installed");
}

TEST_F(StartupTest, FirstInstallationFillsTheFieldsFromTheNewFileOrTheDefaults) {
  WriteLines(New(), {"[Setup]", "Menu_Name=SHIPPED"});
  ASSERT_TRUE(dlg.FormCreate());
  EXPECT_EQ(dlg.Edit2, "SHIPPED");
  EXPECT_EQ(dlg.Edit3, "Библ.");
  EXPECT_EQ(dlg.OKBtnTop, 138);
  EXPECT_LT(dlg.ClientHeight, 200);
  EXPECT_GT(dlg.ClientHeight, dlg.OKBtnTop + 25);
}

TEST_F(StartupTest, FirstInstallationStoresTheEnteredNamesAndLoadsThatMenu) {
  WriteLines(New(), {"[Setup]", "Menu_Name=LIB_M", "First_Run=1", "[Set_out]", "Scale=1"});
  SeedAutoCad(registry, "C:\\ACAD2000\\SUPPORT;");
  ASSERT_TRUE(dlg.FormCreate());
  dlg.Edit2 = "MYMENU";
  dlg.Edit3 = "Моё меню";
  dlg.OKBtnClick();

  EXPECT_TRUE(dlg.Closed());
  EXPECT_EQ(dlg.ExitCode(), 0);
  EXPECT_EQ(dlg.RegistrationResult(), installer::Registration::Done);
  EXPECT_FALSE(std::filesystem::exists(New()));
  EXPECT_EQ(Read(Old(), "Setup", "Menu_Name"), "MYMENU");
  EXPECT_EQ(Read(Old(), "Setup", settings::kMenuCaption), "Моё меню");
  EXPECT_EQ(Read(Old(), "Setup", "First_Run"), "1");
  EXPECT_EQ(Read(Old(), "Set_out", "Scale"), "1");
  EXPECT_EQ(ReadCp1251(dir / "temp.scr"), CrLf({R"((command "_menuload" "C:\\LIB\\MYMENU.mnl"))"}));
  EXPECT_EQ(SupportPath(registry), "C:\\ACAD2000\\SUPPORT;C:\\LIB");
}

TEST_F(StartupTest, WithoutAutoCadTheSettingsAreInstalledAndNothingIsRegistered) {
  WriteLines(New(), {"[Setup]", "Menu_Name=LIB_M"});
  ASSERT_TRUE(dlg.FormCreate());
  dlg.OKBtnClick();

  EXPECT_TRUE(dlg.Closed());
  EXPECT_EQ(dlg.ExitCode(), 0);
  EXPECT_EQ(dlg.RegistrationResult(), installer::Registration::NoAutoCad);
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, installer::kNoAutoCadText);
  EXPECT_EQ(Read(Old(), "Setup", "Menu_Name"), "LIB_M");
  EXPECT_TRUE(registry.written.empty());
  EXPECT_FALSE(std::filesystem::exists(dir / "temp.scr"));
  EXPECT_FALSE(std::filesystem::exists(dir / "temp.bat"));
}

// A registry that cannot be written until it is mended.
class FailingRegistry : public MemoryRegistry {
 public:
  void Write(RootKey root, std::string_view key, std::string_view name,
             std::string_view value) override {
    if (broken) throw RegistryError("no access");
    MemoryRegistry::Write(root, key, name, value);
  }
  bool broken = false;
};

TEST_F(StartupTest, AFailedRegistrationKeepsTheDialogOpenAndOkRepeatsOnlyTheRegistration) {
  FailingRegistry failing;
  failing.windows_dir = "C:\\LIB";
  SeedAutoCad(failing, "");
  failing.broken = true;
  WriteLines(New(), {"[Setup]", "Menu_Name=LIB_M"});
  TOKBottomDlg form(dir.path(), messages, failing);
  ASSERT_TRUE(form.FormCreate());
  form.Edit2 = "FIRST";

  EXPECT_THROW(form.OKBtnClick(), RegistryError);
  EXPECT_FALSE(form.Closed());
  EXPECT_EQ(Read(Old(), "Setup", "Menu_Name"), "FIRST");

  failing.broken = false;
  form.Edit2 = "SECOND";  // the settings were already installed
  form.OKBtnClick();
  EXPECT_TRUE(form.Closed());
  EXPECT_EQ(Read(Old(), "Setup", "Menu_Name"), "FIRST");
  EXPECT_EQ(ReadCp1251(dir / "temp.scr"), CrLf({R"((command "_menuload" "C:\\LIB\\FIRST.mnl"))"}));
}

}  // namespace
}  // namespace orv::test
