// Help opens the help file with the desktop's opener; without one, or without
// the file, the user is told instead of nothing happening.
#include "gui/main/desktop_help.h"

#include <gtest/gtest.h>

#include "platform/scripted_ui.h"
#include "support/test_support.h"

namespace orv::gui {
namespace {

class RefusingShell : public IShell {
 public:
  bool OpenFile(const std::filesystem::path&, bool) override { return false; }
  void Beep() override {}
};

TEST(DesktopHelpTest, OpensAnExistingHelpFileFoundIgnoringLetterCase) {
  test::TempDir dir;
  test::WriteLines(dir / "ORVPAK.HLP", {"help"});
  ScriptedMessageBox messages;
  RecordingShell shell;
  DesktopHelp(messages, shell).ShowTopic(dir / "Orvpak.hlp", "hlp_Orvpak");
  ASSERT_EQ(shell.opened.size(), 1u);
  EXPECT_EQ(shell.opened[0], dir / "ORVPAK.HLP");
  EXPECT_TRUE(messages.shown().empty());
}

TEST(DesktopHelpTest, SaysWhenTheFileIsMissingOrNothingOpensIt) {
  test::TempDir dir;
  ScriptedMessageBox messages;
  RecordingShell shell;
  DesktopHelp(messages, shell).ShowTopic(dir / "Orvpak.hlp", "hlp_Orvpak");
  EXPECT_TRUE(shell.opened.empty());
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].type, MsgType::Warning);
  EXPECT_NE(messages.shown()[0].text.find("Не найден файл справки"), std::string::npos);
  EXPECT_NE(messages.shown()[0].text.find("Orvpak.hlp"), std::string::npos);

  test::WriteLines(dir / "Orvpak.hlp", {"help"});
  RefusingShell refusing;
  messages.ClearShown();
  DesktopHelp(messages, refusing).ShowTopic(dir / "Orvpak.hlp", "hlp_Orvpak");
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_NE(messages.shown()[0].text.find("Не удалось открыть файл справки"), std::string::npos);
}

}  // namespace
}  // namespace orv::gui
