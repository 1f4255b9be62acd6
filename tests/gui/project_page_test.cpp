// The project editor page over a fixture project: what the author does with
// the mouse and keyboard reaches the project file and the menu preview.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTreeWidget>
#include <memory>

#include "app/main_form.h"
#include "gui/common/qt_dialogs.h"
#include "gui/main/main_window.h"
#include "platform/file_system.h"
#include "platform/scripted_ui.h"
#include "support/test_support.h"

namespace orv::gui {
namespace {

using test::TempDir;
using test::WriteLines;

constexpr unsigned kStenaColor = 0x00A000;

class ProjectPageTest : public ::testing::Test {
 protected:
  ProjectPageTest() {
    WriteLines(dir / "Set_Param.dat", {"[Setup]", "First_Run=0", "Auto_Sv=1"});
    test::WriteBitmap(dir / "LIB_M.bmp");
    WriteLines(dir / "proj/stena.lsp", {"(defun C:Stena () (load \"util.lsp\"))"});
    WriteLines(dir / "proj/util.lsp", {"(defun util () (princ))"});
    test::WriteFramedBitmap(dir / "proj/stena.bmp", kStenaColor, 0xFFFFFF);
    WriteLines(dir / "proj/stena.ini",
               {"[file]", "stena.lsp=", "util.lsp=", "stena.bmp=", "stena.ini="});
    EXPECT_TRUE(form.Create());
    window = std::make_unique<MainWindow>(form);
    window->show();
    Find<QTabWidget>("PageControl1")->setCurrentIndex(1);
    QApplication::processEvents();
  }

  template <typename T>
  T* Find(const char* name) const {
    T* widget = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  // Types into a line edit and leaves it.
  static void Type(QLineEdit* edit, const std::string& text) {
    edit->setFocus();
    edit->setText(Q(text));
    emit edit->editingFinished();
    QApplication::processEvents();
  }
  static QListWidgetItem* Entry(QListWidget* list, const char* text) {
    auto found = list->findItems(Q(text), Qt::MatchExactly);
    EXPECT_EQ(found.size(), 1) << text;
    return found.value(0);
  }

  TempDir dir;
  std::string project = PathToUtf8(dir / "proj/stena.ini");
  ScriptedMessageBox messages;
  ScriptedFileDialog files;
  RecordingShell shell;
  RecordingHelp help;
  TMainForm form{dir.path(), UiServices{messages, files, shell, help}};
  std::unique_ptr<MainWindow> window;
};

TEST_F(ProjectPageTest, RegisteringAndNamingACommandShowsItInThePreview) {
  Type(Find<QWidget>("FilenameEdit1")->findChild<QComboBox*>()->lineEdit(), project);
  auto* programs = Find<QListWidget>("RxCheckListCom");
  auto* files_list = Find<QListWidget>("RxCheckListFile");
  ASSERT_EQ(files_list->count(), 3);
  EXPECT_EQ(files_list->item(0)->text(), Q("stena.lsp"));
  ASSERT_EQ(programs->count(), 1);
  EXPECT_EQ(programs->item(0)->checkState(), Qt::Unchecked);
  EXPECT_TRUE(window->Actions().Action("AddFil")->isEnabled());

  // The author ticks the command, then gives it a picture, a caption and a submenu.
  Entry(programs, "c:stena")->setCheckState(Qt::Checked);
  QApplication::processEvents();
  EXPECT_EQ(Find<QLineEdit>("EditCom")->text(), Q("stena"));
  EXPECT_FALSE(Find<QWidget>("CheckBox1")->isEnabled());
  Entry(files_list, "stena.bmp")->setCheckState(Qt::Checked);
  QApplication::processEvents();
  EXPECT_FALSE(Find<QLabel>("Image1")->pixmap().isNull());
  Type(Find<QLineEdit>("EditCaption"), "Стена");
  Type(Find<QLineEdit>("EditMenu"), "Архитектура\\Стены");

  auto* tree = Find<QTreeWidget>("TreeView1");
  auto nodes = tree->findItems(Q("stena -> Стена"), Qt::MatchExactly | Qt::MatchRecursive);
  ASSERT_EQ(nodes.size(), 1);
  QTreeWidgetItem* node = nodes[0];
  EXPECT_EQ(tree->currentItem(), node) << "the program's node is selected";
  ASSERT_NE(node->parent(), nullptr);
  EXPECT_EQ(node->parent()->text(0), Q("Стены"));
  EXPECT_EQ(node->parent()->parent()->text(0), Q("Архитектура"));
  EXPECT_EQ(node->parent()->parent()->parent()->text(0), Q(project));
  const QImage picture = node->icon(0).pixmap(16, 16).toImage();
  EXPECT_EQ(picture.pixelColor(8, 8).rgb() & 0xFFFFFF, kStenaColor);

  EXPECT_EQ(test::ReadCp1251(dir / "proj/stena.ini"),
            test::CrLf({"[file]", "stena.lsp=", "util.lsp=", "stena.bmp=", "stena.ini=", "[stena]",
                        "No_Install=Y", "bmp=stena.bmp", "caption=Стена",
                        "submenu=Архитектура\\Стены", "[program]", "stena="}));

  // A click on the submenu node shows its path; on the program node, the program again.
  tree->setCurrentItem(node->parent());
  QApplication::processEvents();
  EXPECT_EQ(Find<QLineEdit>("EditMenu")->text(), Q("Архитектура\\Стены"));
  EXPECT_EQ(Find<QLineEdit>("EditCom")->text(), Q(""));
  tree->setCurrentItem(node);
  QApplication::processEvents();
  EXPECT_EQ(Find<QLineEdit>("EditCaption")->text(), Q("Стена"));
}

TEST_F(ProjectPageTest, HidingThePreviewAndChangingTheLinkMode) {
  Type(Find<QWidget>("FilenameEdit1")->findChild<QComboBox*>()->lineEdit(), project);
  auto* menu = Find<QAbstractButton>("CheckBoxPreWiew");
  menu->click();
  QApplication::processEvents();
  EXPECT_FALSE(form.Project.TreeView1.Visible());
  EXPECT_FALSE(Find<QTreeWidget>("TreeView1")->isVisible());
  menu->click();
  EXPECT_TRUE(Find<QTreeWidget>("TreeView1")->isVisible());

  ASSERT_EQ(form.Project.RxCheckListFile.Links(0)->Links.Items(),
            (std::vector<std::string>{"util.lsp"}));
  auto radios = Find<QWidget>("RadioGroup1")->findChildren<QAbstractButton*>();
  ASSERT_EQ(radios.size(), 3);
  radios[0]->click();  // "Нет"
  QApplication::processEvents();
  EXPECT_EQ(form.Project.RadioGroup1, 0);
  EXPECT_TRUE(form.Project.RxCheckListFile.Links(0)->Links.empty());
}

}  // namespace
}  // namespace orv::gui
