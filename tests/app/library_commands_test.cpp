#include <gtest/gtest.h>

#include "app/main_form.h"
#include "app/menu_page_commands.h"
#include "library/command_order.h"
#include "library/full_revision.h"
#include "library/library_fixture.h"
#include "library/settings.h"
#include "platform/file_system.h"
#include "platform/scripted_ui.h"

namespace orv {
namespace {

using test::FilesIn;
using test::TempDir;
using test::WriteLines;

// Two programs in a submenu and one at the top; okno.lsp is also listed by
// another library in some tests.
const test::FixtureLibrary kStena = {
    "stena",
    {{"stena", "Стена", "Арх", ""}, {"okno", "Окно", "Арх", ""}, {"dver", "Дверь", "", ""}},
    {}};

class LibraryCommandsTest : public ::testing::Test {
 protected:
  LibraryCommandsTest() {
    std::filesystem::create_directories(prog);
    WriteLines(prog / "Set_Param.dat", {"[Setup]", "First_Run=0"});
    WriteLines(prog / "Orvpak.mtt", {"(princ)"});
  }

  TMainForm& Form() {
    if (!form) {
      form = std::make_unique<TMainForm>(prog, ui);
      EXPECT_TRUE(form->Create());
    }
    return *form;
  }

  // The dialog opens on dir and the user double-clicks the node with that text.
  void ChooseInDialog(const std::filesystem::path& dir, std::string node_text) {
    Form().Form1.show_modal = [dir, node_text](TForm1& dialog) {
      EXPECT_TRUE(dialog.ChangeDirectory(dir));
      for (TreeNode* node : dialog.TreeView1.Nodes()) {
        if (node->text == node_text) dialog.TreeView1.Select(node);
      }
      dialog.TreeView1DblClick();
      return dialog.modal_result;
    };
  }

  std::vector<std::string> Tree() {
    std::vector<std::string> texts;
    for (TreeNode* node : Form().Outline1.Nodes()) {
      texts.push_back(std::string(2 * node->Level(), ' ') + node->text);
    }
    return texts;
  }
  TreeNode* Node(std::string_view text) {
    for (TreeNode* node : Form().Outline1.Nodes()) {
      if (node->text == text) return node;
    }
    return nullptr;
  }
  std::vector<std::string> Shown() {
    std::vector<std::string> texts;
    for (const auto& shown : messages.shown()) texts.push_back(shown.text);
    return texts;
  }
  std::string Order(std::string_view file, std::string_view program) {
    return TIniFile(prog / file).ReadString("program", program);
  }
  void Install(const test::FixtureLibrary& library) {
    test::WriteLibrary(dist / library.name, library);
    ChooseInDialog(dist / library.name, library.name + ".ini");
    Form().FileOpen1Execute();
  }

  TempDir root;
  std::filesystem::path prog = root / "prog";
  std::filesystem::path dist = root / "dist";
  ScriptedMessageBox messages;
  ScriptedFileDialog files;
  RecordingShell shell;
  RecordingHelp help;
  UiServices ui{messages, files, shell, help};
  std::unique_ptr<TMainForm> form;
};

TEST_F(LibraryCommandsTest, AddInstallsTheLibraryRegeneratesTheMenuAndSavesTheOrder) {
  test::WriteLibrary(dist, kStena);
  // A double click on a program node chooses the description file above it.
  ChooseInDialog(dist, "okno -> Окно");
  Form().FileOpen1Execute();

  EXPECT_TRUE(Shown().empty());
  EXPECT_EQ(FilesIn(prog),
            (std::vector<std::string>{"LIB_M.mnl", "LIB_M.mns", "Orvpak.mtt", "Orvpak.set",
                                      "Set_Param.dat", "dver.lsp", "okno.lsp", "stena.bmp",
                                      "stena.ini", "stena.lsp"}));
  EXPECT_EQ(Tree(), (std::vector<std::string>{"LIB_M -> Библ.", "  Арх", "    stena -> Стена",
                                              "    okno -> Окно", "  dver -> Дверь"}));
  EXPECT_EQ(Order("stena.ini", "stena"), "2");
  EXPECT_EQ(Order("stena.ini", "dver"), "4");
  EXPECT_EQ(Order("Orvpak.set", "okno"), "3");
  EXPECT_NE(test::ReadCp1251(prog / "LIB_M.mnl").find("C:OV_dver"), std::string::npos);
  const ProgressIndicator& progress = Form().agProgress1;
  EXPECT_EQ(progress.Text(), "Процесс добавления завершен успешно");
  EXPECT_EQ(progress.Position(), progress.Maximum());
  EXPECT_FALSE(CommandOrderUnsaved(Form().Outline1, Form().Catalog));
}

TEST_F(LibraryCommandsTest, NothingChosenOrCancelledInstallsNothing) {
  test::WriteLibrary(dist, kStena);
  ChooseInDialog(dist, "no such node");
  Form().FileOpen1Execute();
  Form().Form1.show_modal = [](TForm1&) { return TForm1::ModalResult::Cancel; };
  Form().FileOpen1Execute();
  EXPECT_EQ(FilesIn(prog), (std::vector<std::string>{"Orvpak.mtt", "Set_Param.dat"}));
  EXPECT_EQ(Form().agProgress1.Text(), "");
}

TEST_F(LibraryCommandsTest, AStopShowsItsMessageAndStillRegenerates) {
  test::FixtureLibrary broken = kStena;
  broken.name = "broken";
  test::WriteLibrary(dist, broken);
  std::filesystem::remove(dist / "okno.lsp");
  ChooseInDialog(dist, "broken.ini");
  Form().FileOpen1Execute();

  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].type, MsgType::Error);
  EXPECT_EQ(messages.shown()[0].text,
            "Процесс аварийно остановлен. \"Не найден файл дистрибутива \"okno.lsp\"\" Рекомендую "
            "провести полную ревизию");
  // Nothing was copied; the command's own generation ran all the same.
  EXPECT_EQ(FilesIn(prog),
            (std::vector<std::string>{"LIB_M.mnl", "LIB_M.mns", "Orvpak.mtt", "Set_Param.dat"}));
  EXPECT_NE(Form().agProgress1.Text(), "Процесс добавления завершен успешно");
  EXPECT_EQ(Form().agProgress1.Position(), Form().agProgress1.Maximum());
}

TEST_F(LibraryCommandsTest, FilesCopiedBeforeAStopStayAndEnterTheCatalog) {
  Install(kStena);
  messages.ClearShown();
  // A new version that lists its description first: Cancel at the second
  // installed file stops after the description and stena.lsp were copied.
  test::FixtureLibrary next = {
      "stena", {{"stena", "Стена 2", "Арх", ""}, {"okno", "Окно", "Арх", ""}}, {}};
  test::WriteLibrary(dist / "next", next);
  std::vector<std::string> lines = test::LibraryLines(next);
  lines.erase(std::find(lines.begin(), lines.end(), "stena.ini="));
  lines.insert(lines.begin() + 1, "stena.ini=");
  WriteLines(dist / "next" / "stena.ini", lines);
  for (Answer a : {Answer::All, Answer::Yes, Answer::Yes, Answer::Cancel})
    messages.SetNextAnswer(a);
  ChooseInDialog(dist / "next", "stena.ini");
  Form().FileOpen1Execute();

  EXPECT_EQ(Shown(), (std::vector<std::string>{
                         "У Вас уже установлен элемент stena Обновить его (все)",
                         "У Вас уже установлен файл stena.ini Обновить его (все)",
                         "У Вас уже установлен файл stena.lsp Обновить его (все)",
                         "У Вас уже установлен файл okno.lsp Обновить его (все)",
                         "Процесс аварийно остановлен. \"Прерванно пользователем\" Рекомендую "
                         "провести полную ревизию"}));
  // The new description is installed: dver is gone from the menu, stena has its new caption.
  EXPECT_EQ(Tree(), (std::vector<std::string>{"LIB_M -> Библ.", "  Арх", "    stena -> Стена 2",
                                              "    okno -> Окно"}));
}

TEST_F(LibraryCommandsTest, FailedCopiesAreNamedInOneWarningInsteadOfSuccess) {
  test::FixtureLibrary library = {"lib", {{"p", "П", "", ""}}, {"a.dat", "b.dat"}};
  // Destinations that cannot be written.
  std::filesystem::create_directories(prog / "a.dat" / "x");
  std::filesystem::create_directories(prog / "b.dat" / "x");
  Install(library);

  EXPECT_EQ(Shown(), (std::vector<std::string>{"Не удалось скопировать файлы: a.dat, b.dat. "
                                               "Библиотека установлена не полностью"}));
  EXPECT_EQ(messages.shown()[0].type, MsgType::Warning);
  EXPECT_TRUE(FileExists(prog / "p.lsp"));
  EXPECT_TRUE(FileExists(prog / "lib.ini"));
  EXPECT_EQ(Tree(), (std::vector<std::string>{"LIB_M -> Библ.", "  p -> П"}));
  EXPECT_NE(Form().agProgress1.Text(), "Процесс добавления завершен успешно");
}

TEST_F(LibraryCommandsTest, AMissingTemplateStopsTheAddBeforeAnythingIsCopied) {
  std::filesystem::remove(prog / "Orvpak.mtt");
  test::WriteLibrary(dist, kStena);
  ChooseInDialog(dist, "stena.ini");
  EXPECT_THROW(Form().FileOpen1Execute(), IoError);
  EXPECT_EQ(FilesIn(prog), (std::vector<std::string>{"Set_Param.dat"}));
}

TEST_F(LibraryCommandsTest, DeleteRemovesEveryProgramOfTheLibraryAfterConfirmation) {
  Install(kStena);
  messages.SetNextAnswer(Answer::No);  // keep the installed okno.lsp
  Install({"shared", {{"krysha", "Крыша", "", ""}}, {"okno.lsp"}});
  ASSERT_EQ(Shown(),
            (std::vector<std::string>{"У Вас уже установлен файл okno.lsp Обновить его (все)"}));
  messages.ClearShown();

  // Cancel changes nothing, not even the progress indicator.
  Form().agProgress1.SetText("before");
  Form().Outline1.Select(Node("okno -> Окно"));
  messages.SetNextAnswer(Answer::Cancel);
  Form().DeleteLibClick();
  EXPECT_EQ(Shown(),
            (std::vector<std::string>{"Удалить следующие программы?  stena, okno, dver   "}));
  EXPECT_EQ(messages.shown()[0].buttons, static_cast<unsigned>(kOk | kCancel));
  EXPECT_EQ(Form().agProgress1.Text(), "before");
  EXPECT_TRUE(FileExists(prog / "stena.ini"));

  messages.SetNextAnswer(Answer::Ok);
  Form().DeleteLibClick();
  EXPECT_EQ(FilesIn(prog), (std::vector<std::string>{"LIB_M.mnl", "LIB_M.mns", "Orvpak.mtt",
                                                     "Orvpak.set", "Set_Param.dat", "krysha.lsp",
                                                     "okno.lsp", "shared.bmp", "shared.ini"}));
  EXPECT_EQ(Tree(), (std::vector<std::string>{"LIB_M -> Библ.", "  krysha -> Крыша"}));
  EXPECT_EQ(Order("shared.ini", "krysha"), "1");
  EXPECT_EQ(Form().agProgress1.Text(), "Удаление команд завершено");
}

TEST_F(LibraryCommandsTest, DeleteTakesTheFirstCommandForTheRootAndNothingForASubmenu) {
  Install(kStena);
  Install({"top", {{"top", "Верх", "", "0"}}, {}});
  messages.ClearShown();
  Form().Outline1.Select(Node("Арх"));
  Form().DeleteLibClick();
  EXPECT_TRUE(Shown().empty());

  ASSERT_EQ(Tree()[1], "  top -> Верх");  // its order 0 puts it first
  Form().Outline1.Select(Form().Outline1.First());
  messages.SetNextAnswer(Answer::Ok);
  Form().DeleteLibClick();
  EXPECT_EQ(Shown(), (std::vector<std::string>{"Удалить следующие программы?  top   "}));
  EXPECT_FALSE(FileExists(prog / "top.ini"));
  EXPECT_TRUE(FileExists(prog / "stena.ini"));
}

TEST_F(LibraryCommandsTest, SoftRevisionRegeneratesAndDeletesNothing) {
  Install(kStena);
  WriteLines(prog / "junk.txt", {"x"});
  std::filesystem::remove(prog / "LIB_M.mns");
  const std::string description = test::ReadBytes(prog / "stena.ini");
  auto before = FilesIn(prog);
  Form().RevClick();
  EXPECT_TRUE(Shown().empty());
  EXPECT_EQ(FilesIn(prog).size(), before.size() + 1);  // the menu source is back
  EXPECT_EQ(test::ReadBytes(prog / "stena.ini"), description);
  EXPECT_EQ(Form().agProgress1.Text(), "Мягкая ревизия завершена");
}

TEST_F(LibraryCommandsTest, FullRevisionAsksThenCleansAndTheMenuStillGenerates) {
  Install(kStena);
  Install({"okno2", {{"okno2", "Окно 2", "", ""}}, {}});
  std::filesystem::remove(prog / "okno2.lsp");  // an incomplete library
  WriteLines(prog / "junk.txt", {"x"});
  WriteLines(prog / "set_out.lsp", {"x"});
  WriteLines(prog / "Set_Err.lsp", {"x"});
  WriteLines(prog / std::string(kMainProgramFileName), {"x"});

  messages.SetNextAnswer(Answer::Cancel);
  Form().FullRevClick();
  EXPECT_EQ(Shown(), (std::vector<std::string>{"Не уверен, не нажимай! Продолжить?"}));
  EXPECT_TRUE(FileExists(prog / "junk.txt"));

  // The user's arrangement is saved from the tree as it stands.
  Form().Outline1.Select(Node("dver -> Дверь"));
  Form().MoveUp_1Click();
  messages.SetNextAnswer(Answer::Ok);
  Form().FullRevClick();
  EXPECT_EQ(FilesIn(prog),
            (std::vector<std::string>{"LIB_M.mnl", "LIB_M.mns", std::string(kMainProgramFileName),
                                      "Orvpak.mtt", "Orvpak.set", "Set_Err.lsp", "Set_Param.dat",
                                      "dver.lsp", "okno.lsp", "set_out.lsp", "stena.bmp",
                                      "stena.ini", "stena.lsp"}));
  EXPECT_EQ(Tree(), (std::vector<std::string>{"LIB_M -> Библ.", "  dver -> Дверь", "  Арх",
                                              "    stena -> Стена", "    okno -> Окно"}));
  EXPECT_EQ(Order("stena.ini", "dver"), "1");
  EXPECT_EQ(Form().agProgress1.Text(), "Полная ревизия завершена");

  // And the next generation still finds its template.
  Form().RevClick();
  EXPECT_NE(test::ReadCp1251(prog / "LIB_M.mnl").find("(princ)"), std::string::npos);
}

TEST_F(LibraryCommandsTest, CloseAsksExactlyWhenTheOrderDiffersFromTheSavedOne) {
  Install(kStena);
  Form().FormClose();
  EXPECT_TRUE(Shown().empty());

  TMainForm second(prog, ui);
  ASSERT_TRUE(second.Create());
  for (TreeNode* node : second.Outline1.Nodes()) {
    if (node->text == "dver -> Дверь") second.Outline1.Select(node);
  }
  second.MoveDown_1Click();  // the last goes first
  messages.SetNextAnswer(Answer::Cancel);
  second.FormClose();
  EXPECT_EQ(Shown(), (std::vector<std::string>{"Порядок команд не сохранен, сохранить ?  "}));
  EXPECT_EQ(Order("stena.ini", "dver"), "4");

  messages.ClearShown();
  messages.SetNextAnswer(Answer::Ok);
  second.FormClose();
  EXPECT_EQ(Shown().size(), 1u);
  EXPECT_EQ(Order("stena.ini", "dver"), "1");
  EXPECT_EQ(second.agProgress1.Text(), "Сохранение порядка команд завершено");
  EXPECT_TRUE(SettingsFile(prog).Ini().ValueExists("Setup", "Auto_Sv"));
}

TEST_F(LibraryCommandsTest, TheFirstRunInstallsTheFirstLibrary) {
  std::filesystem::remove(prog / "Set_Param.dat");
  test::WriteLibrary(dist, kStena);
  TMainForm first(prog, ui);
  first.Form1.show_modal = [this](TForm1& dialog) {
    dialog.ChangeDirectory(dist);
    dialog.TreeView1.Select(dialog.TreeView1.First());
    return TForm1::ModalResult::Ok;
  };
  EXPECT_FALSE(first.Create());
  EXPECT_EQ(Shown().size(), 3u);  // the three messages of the sequence, nothing else
  EXPECT_TRUE(FileExists(prog / "stena.ini"));
  EXPECT_TRUE(FileExists(prog / "LIB_M.mns"));
  EXPECT_EQ(first.agProgress1.Text(), "Процесс добавления завершен успешно");
}

}  // namespace
}  // namespace orv
