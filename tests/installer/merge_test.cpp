// The update mode: merging the new version's Set_Param._at into Set_Param.dat.
#include <gtest/gtest.h>

#include "installer_fixture.h"

namespace orv::test {
namespace {

class MergeTest : public InstallerTest {
 protected:
  // Differing keys in two sections under one name, a differing output
  // parameter, keys only one file has, and an empty old value.
  void WriteUpdate() {
    WriteLines(Old(), {"[Setup]", "Menu_Name=USER_M", "Prev_Menu=0", "Auto_Sv=", "Only_Old=kept",
                       "[Set_out]", "Scale=100", "[Extra]", "Menu_Name=old extra"});
    WriteLines(New(),
               {"[Setup]", "Menu_Name=LIB_M", "Prev_Menu=1", "Auto_Sv=2", "New_Key=новый",
                "[Set_out]", "Scale=1", "Layer=0", "[Extra]", "Menu_Name=new extra", "Case=abc"});
    ForgetIniFile(Old());
    ForgetIniFile(New());
    // Only letter case differs: still a difference.
    TIniFile(Old()).WriteString("Extra", "Case", "ABC");
  }
  std::vector<std::string> Items() const { return dlg.SrcList.Items; }
};

TEST_F(MergeTest, AddsMissingKeysAndListsOnlyDifferencesOutsideSetOut) {
  WriteUpdate();
  ASSERT_TRUE(dlg.FormCreate());
  EXPECT_EQ(dlg.Mode(), InstallMode::Update);

  EXPECT_EQ(Items(), (std::vector<std::string>{"Extra -> Case", "Extra -> Menu_Name",
                                               "Setup -> Menu_Name", "Setup -> Prev_Menu"}));
  // Added or filled in at once, and never listed.
  EXPECT_EQ(Read(Old(), "Setup", "New_Key"), "новый");
  EXPECT_EQ(Read(Old(), "Setup", "Auto_Sv"), "2");
  EXPECT_EQ(Read(Old(), "Set_out", "Layer"), "0");
  // The user's output parameter and the key only the old file has stay.
  EXPECT_EQ(Read(Old(), "Set_out", "Scale"), "100");
  EXPECT_EQ(Read(Old(), "Setup", "Only_Old"), "kept");
  EXPECT_EQ(Read(New(), "Set_out", "Scale"), "1");

  // The first item is selected and shown.
  EXPECT_EQ(dlg.SrcList.ItemIndex, 0);
  EXPECT_TRUE(dlg.SrcList.Selected[0]);
  EXPECT_EQ(dlg.Edit1, "abc");
  EXPECT_EQ(dlg.Edit4, "ABC");

  dlg.SrcList.ItemIndex = 2;
  dlg.SrcListClick();
  EXPECT_EQ(dlg.Edit1, "LIB_M");
  EXPECT_EQ(dlg.Edit4, "USER_M");
}

TEST_F(MergeTest, OutputParametersAreNeverOfferedWhateverTheSectionsLetterCase) {
  WriteLines(Old(), {"[Setup]", "Menu_Name=M", "[Set_out]", "Scale=100"});
  WriteLines(New(), {"[Setup]", "Menu_Name=M", "[SET_OUT]", "Scale=1", "Color=7"});
  // Nothing to settle: the program ends at once, having only added Color.
  EXPECT_FALSE(dlg.FormCreate());
  EXPECT_EQ(dlg.ExitCode(), 0);
  EXPECT_EQ(Read(Old(), "Set_out", "Scale"), "100");
  EXPECT_EQ(Read(Old(), "Set_out", "Color"), "7");
}

TEST_F(MergeTest, ChangeValueStoresTheEditedTextInBothFiles) {
  WriteUpdate();
  ASSERT_TRUE(dlg.FormCreate());
  dlg.SrcList.ItemIndex = 2;  // Setup -> Menu_Name
  dlg.SrcListClick();
  dlg.Edit1 = "MY_MENU";
  dlg.BitBtn4Click();  // "Измен. знач."

  EXPECT_EQ(Read(Old(), "Setup", "Menu_Name"), "MY_MENU");
  EXPECT_EQ(Read(New(), "Setup", "Menu_Name"), "MY_MENU");
  EXPECT_EQ(Items(), (std::vector<std::string>{"Extra -> Case", "Extra -> Menu_Name",
                                               "Setup -> Prev_Menu"}));
  // The refill shows the first item again.
  EXPECT_EQ(dlg.SrcList.ItemIndex, 0);
  EXPECT_EQ(dlg.Edit1, "abc");
}

TEST_F(MergeTest, KeepValueActsOnTheFocusedItemAloneWhenSeveralAreSelected) {
  WriteUpdate();
  ASSERT_TRUE(dlg.FormCreate());
  dlg.SrcList.Selected = {true, true, true, false};
  dlg.SrcList.ItemIndex = 1;  // Extra -> Menu_Name
  dlg.SrcListClick();
  dlg.BitBtn1Click();  // "Остав. знач."

  EXPECT_EQ(Read(New(), "Extra", "Menu_Name"), "old extra");
  EXPECT_EQ(Read(Old(), "Extra", "Menu_Name"), "old extra");
  // The other selected items are untouched and still listed.
  EXPECT_EQ(Read(New(), "Extra", "Case"), "abc");
  EXPECT_EQ(Read(New(), "Setup", "Menu_Name"), "LIB_M");
  EXPECT_EQ(Items(), (std::vector<std::string>{"Extra -> Case", "Setup -> Menu_Name",
                                               "Setup -> Prev_Menu"}));
}

TEST_F(MergeTest, ChangeAllTakesEveryNewValueAndKeepAllEveryOldOne) {
  struct Case {
    const char* name;
    void (TOKBottomDlg::*handler)();
    const char* old_menu;  // Menu_Name of [Setup] in both files afterwards
  };
  const Case cases[] = {
      {"BitBtn3Click behind Измен. все знач.", &TOKBottomDlg::BitBtn3Click, "LIB_M"},
      {"BitBtn2Click behind Остав. все знач.", &TOKBottomDlg::BitBtn2Click, "USER_M"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteUpdate();
    TOKBottomDlg fresh(dir.path(), messages, registry);
    ASSERT_TRUE(fresh.FormCreate());
    (fresh.*c.handler)();

    EXPECT_TRUE(fresh.SrcList.Empty());
    EXPECT_EQ(fresh.Edit1, "");
    EXPECT_EQ(fresh.Edit4, "");
    EXPECT_EQ(Read(Old(), "Setup", "Menu_Name"), c.old_menu);
    EXPECT_EQ(Read(New(), "Setup", "Menu_Name"), c.old_menu);
    EXPECT_EQ(Read(Old(), "Set_out", "Scale"), "100");
  }
}

TEST_F(MergeTest, ButtonsDoNothingOnAnEmptyList) {
  WriteLines(Old(), {"[Setup]", "Menu_Name=A"});
  WriteLines(New(), {"[Setup]", "Menu_Name=B"});
  ASSERT_TRUE(dlg.FormCreate());
  dlg.BitBtn3Click();
  ASSERT_TRUE(dlg.SrcList.Empty());
  std::string old_bytes = ReadBytes(Old()), new_bytes = ReadBytes(New());
  dlg.Edit1 = "X";
  for (auto handler :
       {&TOKBottomDlg::BitBtn1Click, &TOKBottomDlg::BitBtn2Click, &TOKBottomDlg::BitBtn3Click,
        &TOKBottomDlg::BitBtn4Click, &TOKBottomDlg::SrcListClick}) {
    (dlg.*handler)();
  }
  EXPECT_EQ(ReadBytes(Old()), old_bytes);
  EXPECT_EQ(ReadBytes(New()), new_bytes);
}

TEST_F(MergeTest, OkAsksAndCancelChangesNothing) {
  WriteUpdate();
  SeedAutoCad(registry, "C:\\ACAD2000\\SUPPORT");
  ASSERT_TRUE(dlg.FormCreate());
  std::string old_bytes = ReadBytes(Old()), new_bytes = ReadBytes(New());

  messages.SetNextAnswer(Answer::Cancel);
  dlg.OKBtnClick();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, "Обновить автоматически?");
  EXPECT_EQ(messages.shown()[0].caption, "Внимание");
  EXPECT_EQ(messages.shown()[0].buttons, kOk | kCancel);
  EXPECT_FALSE(dlg.Closed());
  EXPECT_EQ(ReadBytes(Old()), old_bytes);
  EXPECT_EQ(ReadBytes(New()), new_bytes);
  EXPECT_TRUE(registry.written.empty());
  EXPECT_FALSE(std::filesystem::exists(dir / "temp.scr"));

  messages.SetNextAnswer(Answer::Ok);
  dlg.OKBtnClick();
  EXPECT_TRUE(dlg.Closed());
  EXPECT_EQ(dlg.ExitCode(), 0);
  EXPECT_FALSE(std::filesystem::exists(New()));
  EXPECT_EQ(Read(Old(), "Setup", "Menu_Name"), "LIB_M");
  EXPECT_EQ(Read(Old(), "Setup", "Prev_Menu"), "1");
  EXPECT_EQ(Read(Old(), "Set_out", "Scale"), "100");
  EXPECT_EQ(ReadCp1251(dir / "temp.scr"), CrLf({R"((command "_menuload" "C:\\LIB\\LIB_M.mnl"))"}));
}

TEST_F(MergeTest, OkAfterEverythingWasSettledAsksNothingAndLoadsTheOldFilesMenu) {
  WriteUpdate();
  SeedAutoCad(registry, "");
  ASSERT_TRUE(dlg.FormCreate());
  dlg.BitBtn2Click();  // keep all: Menu_Name stays USER_M
  dlg.OKBtnClick();

  EXPECT_TRUE(messages.shown().empty());
  EXPECT_TRUE(dlg.Closed());
  EXPECT_FALSE(std::filesystem::exists(New()));
  EXPECT_EQ(ReadCp1251(dir / "temp.scr"), CrLf({R"((command "_menuload" "C:\\LIB\\USER_M.mnl"))"}));
  EXPECT_EQ(SupportPath(registry), "C:\\LIB");
}

}  // namespace
}  // namespace orv::test
