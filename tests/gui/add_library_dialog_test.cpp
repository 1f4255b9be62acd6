// The add-to-library dialog driven as a user would: choose the distribution's
// directory in the directory tree, double-click a command of the listed menu,
// answer the questions; the commands then stand in the main window's tree.
#include "gui/main/add_library_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFileSystemModel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <functional>

#include "app/main_form.h"
#include "gui/common/qt_dialogs.h"
#include "gui/main/main_window.h"
#include "gui/main/model_tree_widget.h"
#include "library/library_fixture.h"
#include "platform/file_system.h"
#include "platform/scripted_ui.h"

namespace orv::gui {
namespace {

using test::WriteLines;

AddLibraryDialog* OpenDialog() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* dialog = dynamic_cast<AddLibraryDialog*>(widget);
    if (dialog && dialog->isVisible()) return dialog;
  }
  return nullptr;
}

// Runs user once the dialog is shown; a dialog that never shows fails the test
// instead of hanging it.
void WhenDialogShows(std::function<void(AddLibraryDialog&)> user, int tries = 200) {
  QTimer::singleShot(10, [user = std::move(user), tries] {
    if (AddLibraryDialog* dialog = OpenDialog()) {
      EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
      user(*dialog);
      if (dialog->isVisible()) dialog->reject();
    } else if (tries > 0) {
      WhenDialogShows(user, tries - 1);
    } else {
      ADD_FAILURE() << "the add-to-library dialog was not shown";
    }
  });
}

void ChooseDirectory(AddLibraryDialog& dialog, const std::filesystem::path& dir) {
  auto* model = static_cast<QFileSystemModel*>(dialog.DirectoryOutline()->model());
  dialog.DirectoryOutline()->setCurrentIndex(model->index(Q(PathToUtf8(dir))));
}

void DoubleClick(QTreeWidget* tree, const QString& text) {
  auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
  ASSERT_EQ(found.size(), 1) << U(text);
  tree->scrollToItem(found[0]);
  // The press of the first click, then the double click itself.
  const QPoint at = tree->visualItemRect(found[0]).center();
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
}

std::vector<std::string> Texts(QTreeWidget* tree) {
  std::vector<std::string> texts;
  for (QTreeWidgetItemIterator it(tree); *it; ++it) {
    int depth = 0;
    for (QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent()) ++depth;
    texts.push_back(std::string(2 * depth, ' ') + U((*it)->text(0)));
  }
  return texts;
}

TEST(AddLibraryDialog, InstallsALibraryWhoseCommandsThenStandInTheMainTree) {
  test::TempDir root;
  const std::filesystem::path prog = root / "prog";
  const std::filesystem::path dist = root / "dist";
  WriteLines(prog / "Set_Param.dat", {"[Setup]", "First_Run=0"});
  WriteLines(prog / "Orvpak.mtt", {"(princ)"});
  WriteLines(prog / "okno.lsp", {"; an older version"});
  test::WriteLibrary(dist, {"stena",
                            {{"stena", "Стена", "Архитектура", ""},
                             {"okno", "Окно", "Архитектура", ""},
                             {"shtamp", "Штамп", "", ""}},
                            {}});
  WriteLines(dist / "other.ini", {"[program]", "x=", "[x]", "caption=Другая"});

  ScriptedMessageBox messages;
  messages.SetNextAnswer(Answer::Yes);  // replace the installed okno.lsp
  ScriptedFileDialog files;
  RecordingShell shell;
  RecordingHelp help;
  TMainForm form(prog, UiServices{messages, files, shell, help});
  InstallAddLibraryDialog(form.Form1);
  ASSERT_TRUE(form.Create());
  MainWindow window(form);
  window.show();

  std::vector<std::string> listed;
  WhenDialogShows([&](AddLibraryDialog& dialog) {
    EXPECT_EQ(U(dialog.windowTitle()), "Добавить в библиотеку");
    EXPECT_GT(dialog.DriveComboBox2()->count(), 0);
    ChooseDirectory(dialog, dist);
    listed = Texts(dialog.TreeView1());
    if (const char* shot = std::getenv("ORVPAK_DIALOG_SCREENSHOT")) dialog.grab().save(shot);
    DoubleClick(dialog.TreeView1(), Q("okno -> Окно"));
  });
  window.RunCommand("AddLib");

  EXPECT_EQ(listed, (std::vector<std::string>{"other.ini", "  x -> Другая", "stena.ini",
                                              "  Архитектура", "    stena -> Стена",
                                              "    okno -> Окно", "  shtamp -> Штамп"}));
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, "У Вас уже установлен файл okno.lsp Обновить его (все)");
  EXPECT_NE(test::ReadCp1251(prog / "okno.lsp").find("defun c:okno"), std::string::npos);
  auto* outline = window.findChild<QTreeWidget*>("Outline1");
  ASSERT_NE(outline, nullptr);
  EXPECT_EQ(Texts(outline),
            (std::vector<std::string>{"LIB_M -> Библ.", "  Архитектура", "    stena -> Стена",
                                      "    okno -> Окно", "  shtamp -> Штамп"}));
}

TEST(AddLibraryDialog, CancelInstallsNothing) {
  test::TempDir root;
  WriteLines(root / "prog" / "Set_Param.dat", {"[Setup]", "First_Run=0"});
  test::WriteLibrary(root / "dist", {"a", {{"a", "А", "", ""}}, {}});
  ScriptedMessageBox messages;
  ScriptedFileDialog files;
  RecordingShell shell;
  RecordingHelp help;
  TMainForm form(root / "prog", UiServices{messages, files, shell, help});
  InstallAddLibraryDialog(form.Form1);
  ASSERT_TRUE(form.Create());
  WhenDialogShows([&](AddLibraryDialog& dialog) {
    ChooseDirectory(dialog, root / "dist");
    dialog.TreeView1()->setCurrentItem(dialog.TreeView1()->topLevelItem(0));
    QTest::mouseClick(dialog.findChild<QPushButton*>("Button2"), Qt::LeftButton);
  });
  form.FileOpen1Execute();
  EXPECT_FALSE(std::filesystem::exists(root / "prog" / "a.ini"));
  EXPECT_TRUE(messages.shown().empty());
}

}  // namespace
}  // namespace orv::gui
