#include <gtest/gtest.h>

#include "app/main_form.h"
#include "platform/scripted_ui.h"
#include "support/test_support.h"

namespace orv {
namespace {

using test::TempDir;
using test::WriteLines;

class ParamsPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteLines(dir / "Set_Param.dat", {"[Setup]", "First_Run=0", "[Set_out]", "Layer=0",
                                       "Formula=a=b+c", "Шрифт=ГОСТ", "[Other]", "x=1"});
    ASSERT_TRUE(form.Create());
    form.SetActivePage(Page::Params);
  }
  std::vector<std::string> Row(int row) {
    return {form.Params.StringGrid1.Cell(0, row), form.Params.StringGrid1.Cell(1, row)};
  }

  TempDir dir;
  ScriptedMessageBox messages;
  ScriptedFileDialog files;
  RecordingShell shell;
  RecordingHelp help;
  TMainForm form{dir.path(), UiServices{messages, files, shell, help}};
};

TEST_F(ParamsPageTest, ShowsHeaderAndEveryParameterInFileOrder) {
  ASSERT_EQ(form.Params.StringGrid1.RowCount(), 4);
  EXPECT_EQ(Row(0), (std::vector<std::string>{"Название", "Значение"}));
  EXPECT_EQ(Row(1), (std::vector<std::string>{"Layer", "0"}));
  EXPECT_EQ(Row(2), (std::vector<std::string>{"Formula", "a=b+c"}));
  EXPECT_EQ(Row(3), (std::vector<std::string>{"Шрифт", "ГОСТ"}));
}

TEST_F(ParamsPageTest, LeavingWritesEachValueUnderItsOwnKeyInFileOrder) {
  auto& grid = form.Params.StringGrid1;
  grid.MoveRow(3, 1);  // the user drags the last parameter to the top
  form.Params.StringGrid1GetEditText(1, 2);
  form.Params.StringGrid1SetEditText(1, 2, "");  // emptied value of Layer
  form.Params.StringGrid1GetEditText(1, 3);
  form.Params.StringGrid1SetEditText(1, 3, "x=y=z");
  form.SetActivePage(Page::Menu);
  EXPECT_EQ(test::ReadCp1251(dir / "Set_Param.dat"),
            test::CrLf({"[Setup]", "First_Run=0", "[Set_out]", "Layer=", "Formula=x=y=z",
                        "Шрифт=ГОСТ", "[Other]", "x=1"}));
}

TEST_F(ParamsPageTest, NamesAndHeaderRestoreTheirTextWithABeep) {
  auto& page = form.Params;
  for (auto [col, row] : {std::pair{0, 1}, std::pair{0, 0}, std::pair{1, 0}}) {
    std::string before = page.StringGrid1.Cell(col, row);
    page.StringGrid1GetEditText(col, row);
    page.StringGrid1SetEditText(col, row, before + "x");
    EXPECT_EQ(page.StringGrid1.Cell(col, row), before);
  }
  EXPECT_EQ(shell.beeps, 3);
  page.StringGrid1GetEditText(1, 1);
  page.StringGrid1SetEditText(1, 1, "7");
  EXPECT_EQ(page.StringGrid1.Cell(1, 1), "7");
  EXPECT_EQ(shell.beeps, 3);
}

TEST_F(ParamsPageTest, ClosingOnThePageKeepsWhatWasTyped) {
  form.Params.StringGrid1SetEditText(1, 1, "typed");
  form.FormClose();
  EXPECT_EQ(TIniFile(dir / "Set_Param.dat").ReadString("Set_out", "Layer"), "typed");
}

TEST(ParamsPageEmpty, NoSectionGivesHeaderOnlyAndWritesNothing) {
  TempDir dir;
  WriteLines(dir / "Set_Param.dat", {"[Setup]", "First_Run=0"});
  ScriptedMessageBox messages;
  ScriptedFileDialog files;
  RecordingShell shell;
  RecordingHelp help;
  TMainForm form{dir.path(), UiServices{messages, files, shell, help}};
  ASSERT_TRUE(form.Create());
  std::string before = test::ReadBytes(dir / "Set_Param.dat");
  form.SetActivePage(Page::Params);
  EXPECT_EQ(form.Params.StringGrid1.RowCount(), 1);
  form.SetActivePage(Page::Options);
  EXPECT_EQ(test::ReadBytes(dir / "Set_Param.dat"), before);
}

TEST(OptionsPage, BoxWritesTheSettingAndTheFlag) {
  TempDir dir;
  ProgressIndicator indicator;
  TDataModule1 dm(dir.path(), indicator);
  OptionsPage page(dm);
  page.SetCheckBoxNoError(true);
  EXPECT_FALSE(dm.error_handler_flag);
  EXPECT_EQ(TIniFile(dir / "Set_Param.dat").ReadString("Setup", "NO_ERROR"), "y");
  page.SetCheckBoxNoError(false);
  EXPECT_TRUE(dm.error_handler_flag);
  // Cleared: the key stays with nothing after the equals sign.
  EXPECT_EQ(test::ReadBytes(dir / "Set_Param.dat"), "[Setup]\r\nNO_ERROR=\r\n");
  for (int i = 0; i < 9; ++i) page.NextAnimationFrame();
  EXPECT_EQ(page.AnimationFrame, 1);
}

}  // namespace
}  // namespace orv

namespace orv {
namespace {

// The option reaches the menu LISP file at the next generation, not before.
TEST(OptionsPage, TakesEffectAtTheNextRevision) {
  TempDir dir;
  WriteLines(dir / "Set_Param.dat", {"[Setup]", "First_Run=0"});
  WriteLines(dir / "Orvpak.mtt", {"(defun Get_Setup () nil)"});
  ScriptedMessageBox messages;
  ScriptedFileDialog files;
  RecordingShell shell;
  RecordingHelp help;
  TMainForm form{dir.path(), UiServices{messages, files, shell, help}};
  ASSERT_TRUE(form.Create());
  form.RevClick();
  const std::string with_handler = test::CrLf(
      {"(load \"set_out.lsp\")", "(load \"set_err.lsp\")", "(defun Get_Setup () nil)", "(princ)"});
  EXPECT_EQ(test::ReadBytes(dir / "LIB_M.mnl"), with_handler);

  form.SetActivePage(Page::Options);
  form.Options.SetCheckBoxNoError(true);
  EXPECT_EQ(test::ReadBytes(dir / "LIB_M.mnl"), with_handler);  // unchanged until a revision
  form.SetActivePage(Page::Menu);
  form.RevClick();
  EXPECT_EQ(test::ReadBytes(dir / "LIB_M.mnl"),
            test::CrLf({"(load \"set_out.lsp\")", "(defun Get_Setup () nil)", "(princ)"}));

  form.Options.SetCheckBoxNoError(false);
  form.RevClick();
  EXPECT_EQ(test::ReadBytes(dir / "LIB_M.mnl"), with_handler);
}

}  // namespace
}  // namespace orv
