#include <gtest/gtest.h>

#include "app/command_table.h"
#include "app/main_form.h"
#include "platform/scripted_ui.h"
#include "support/test_support.h"

namespace orv {
namespace {

using test::TempDir;
using test::WriteLines;

class StartupTest : public ::testing::Test {
 protected:
  TempDir dir;
  ScriptedMessageBox messages;
  ScriptedFileDialog files;
  RecordingShell shell;
  RecordingHelp help;
  UiServices ui{messages, files, shell, help};
};

TEST_F(StartupTest, FirstRunWithoutSettingsEndsAfterItsSequence) {
  TMainForm form(dir.path(), ui);
  EXPECT_FALSE(form.Create());
  ASSERT_EQ(messages.shown().size(), 3u);
  EXPECT_EQ(messages.shown()[0].text.rfind("Поздравляю! Вы запустили программу первый раз.", 0),
            0u);
  EXPECT_EQ(messages.shown()[1].text, "Теперь пробуем запустить ACAD и загрузить созданное меню.");
  EXPECT_EQ(messages.shown()[2].text, "Теперь видимо можно работать.");
  for (const auto& m : messages.shown()) {
    EXPECT_EQ(m.type, MsgType::Information);
    EXPECT_EQ(m.buttons, static_cast<unsigned>(kOk));
  }
  ASSERT_EQ(shell.opened.size(), 1u);
  EXPECT_EQ(shell.opened[0], dir / "temp.bat");
  EXPECT_TRUE(form.Closed());

  // The next start shows the window with the tree.
  ScriptedMessageBox quiet;
  UiServices ui2{quiet, files, shell, help};
  TMainForm next(dir.path(), ui2);
  EXPECT_TRUE(next.Create());
  EXPECT_TRUE(quiet.shown().empty());
  ASSERT_EQ(next.Outline1.Count(), 1);
  EXPECT_EQ(next.Outline1.First()->text, "LIB_M -> Библ.");
}

TEST_F(StartupTest, ReadsTheOptionsAndBuildsTheTree) {
  WriteLines(dir / "Set_Param.dat", {"[Setup]", "First_Run=0", "Menu_Name=MYMENU", "Auto_Sv=2",
                                     "All_Program=1", "Prev_Menu=0", "NO_ERROR=0"});
  WriteLines(dir / "Orvpak.set",
             {"[program]", "stena=1", "[stena]", "caption=Стена", "submenu=Архитектура"});
  TMainForm form(dir.path(), ui);
  ASSERT_TRUE(form.Create());
  EXPECT_EQ(form.Project.RadioGroup1, 2);
  EXPECT_TRUE(form.Project.CheckBoxProgAll);
  EXPECT_FALSE(form.Project.CheckBoxPreWiew);
  EXPECT_FALSE(form.Project.TreeView1.Visible());
  // NO_ERROR "0" is not empty: the box is ticked, the flag off, the value rewritten as "y".
  EXPECT_TRUE(form.Options.CheckBoxNoError);
  EXPECT_FALSE(form.DataModule1.error_handler_flag);
  EXPECT_EQ(TIniFile(dir / "Set_Param.dat").ReadString("Setup", "NO_ERROR"), "y");

  std::vector<std::string> texts;
  for (TreeNode* n : form.Outline1.Nodes()) texts.push_back(n->text);
  EXPECT_EQ(texts, (std::vector<std::string>{"MYMENU -> Библ.", "Архитектура", "stena -> Стена"}));
}

TEST_F(StartupTest, PagesSwitchTheCommands) {
  WriteLines(dir / "Set_Param.dat", {"[Setup]", "First_Run=0"});
  TMainForm form(dir.path(), ui);
  ASSERT_TRUE(form.Create());
  EXPECT_TRUE(form.DataModule1.error_handler_flag);
  auto state = [&](const std::string& name) {
    const Command& c = form.Commands.Get(name);
    EXPECT_EQ(c.enabled, c.button_visible) << name;
    return c.enabled;
  };
  for (const auto& name : MenuPageCommands()) EXPECT_TRUE(state(name)) << name;
  for (const auto& name : ProjectPageCommands()) EXPECT_FALSE(state(name)) << name;
  EXPECT_TRUE(state("Hlp"));
  EXPECT_TRUE(state("FileExitItem"));

  for (Page page : {Page::Params, Page::Options}) {
    form.SetActivePage(page);
    for (const auto& name : LibraryCommands()) EXPECT_FALSE(state(name)) << name;
    EXPECT_TRUE(state("Hlp"));
    EXPECT_TRUE(state("FileExitItem"));
  }
  form.SetActivePage(Page::Menu);
  for (const auto& name : MenuPageCommands()) EXPECT_TRUE(state(name)) << name;
}

TEST_F(StartupTest, CloseStoresTheEditorOptionsAndHelpOpensItsTopic) {
  WriteLines(dir / "Set_Param.dat", {"[Setup]", "First_Run=0"});
  TMainForm form(dir.path(), ui);
  ASSERT_TRUE(form.Create());
  form.Project.RadioGroup1 = 1;
  form.Project.CheckBoxProgAll = true;
  form.Project.CheckBoxPreWiew = false;
  form.HlpClick();
  form.FileExitItemClick();
  EXPECT_TRUE(form.Closed());
  TIniFile settings(dir / "Set_Param.dat");
  EXPECT_EQ(settings.ReadString("Setup", "Auto_Sv"), "1");
  EXPECT_EQ(settings.ReadString("Setup", "All_Program"), "1");
  EXPECT_EQ(settings.ReadString("Setup", "Prev_Menu"), "0");
  ASSERT_EQ(help.topics.size(), 1u);
  EXPECT_NE(help.topics[0].find("Orvpak.hlp#hlp_Orvpak"), std::string::npos);
}

}  // namespace
}  // namespace orv
