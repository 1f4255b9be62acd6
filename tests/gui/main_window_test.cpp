// The main window over a fixture program directory: what it shows of the
// model and how it hands the user's events to the model.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <string>
#include <vector>

#include "app/command_table.h"
#include "app/main_form.h"
#include "gui/common/qt_dialogs.h"
#include "gui/main/main_window.h"
#include "gui/main/progress_panel.h"
#include "platform/file_system.h"
#include "platform/scripted_ui.h"
#include "support/test_support.h"

namespace orv::gui {
namespace {

using test::ReadCp1251;
using test::TempDir;
using test::WriteFramedBitmap;
using test::WriteLines;

constexpr unsigned kMenuColor = 0xC00000;
constexpr unsigned kArchColor = 0xC0C000;
constexpr unsigned kOknoColor = 0x0000C0;
constexpr unsigned kStenaColor = 0x00A000;
constexpr unsigned kShtampColor = 0x00A0A0;

// The window's mask colour: the frame of every fixture picture, which the
// tree must show as transparent.
unsigned MaskRgb() {
  return QApplication::palette().color(QPalette::Base).rgb() & 0xFFFFFF;
}

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    WriteLines(dir / "Set_Param.dat",
               {"[Setup]", "First_Run=0", "Menu_Name=TST", "Menu_Сaption=Тест"});
    // Programs in file order differ from menu order; dver and the submenu
    // Стены have no picture, so they take the menu picture.
    WriteLines(dir / "Orvpak.set", {"[program]",
                                    "stena=2",
                                    "okno=1",
                                    "shtamp=",
                                    "dver=3",
                                    "[okno]",
                                    "caption=Окно",
                                    "bmp=okno.bmp",
                                    "submenu=Архитектура",
                                    "[stena]",
                                    "caption=Стена",
                                    "bmp=stena.bmp",
                                    "submenu=Архитектура\\Стены",
                                    "[dver]",
                                    "caption=Дверь",
                                    "bmp=missing.bmp",
                                    "submenu=Архитектура\\Стены",
                                    "[shtamp]",
                                    "caption=Штамп",
                                    "bmp=shtamp.bmp",
                                    "[Архитектура]",
                                    "bmp=arch.bmp"});
    WriteFramedBitmap(dir / "LIB_M.bmp", kMenuColor, MaskRgb());
    WriteFramedBitmap(dir / "arch.bmp", kArchColor, MaskRgb());
    WriteFramedBitmap(dir / "okno.bmp", kOknoColor, MaskRgb());
    WriteFramedBitmap(dir / "stena.bmp", kStenaColor, MaskRgb());
    WriteFramedBitmap(dir / "shtamp.bmp", kShtampColor, MaskRgb());
    created = form.Create();
    window = std::make_unique<MainWindow>(form);
    window->show();
    QApplication::processEvents();
  }

  template <typename T>
  T* Find(const char* name) const {
    return window->findChild<T*>(QString::fromLatin1(name));
  }
  QString Hint() const { return window->HintPanel()->text(); }
  void Hover(QWidget* widget) {
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(widget, &enter);
  }
  void ShowPage(int index) {
    Find<QTabWidget>("PageControl1")->setCurrentIndex(index);
    QApplication::processEvents();
  }

  TempDir dir;
  ScriptedMessageBox messages;
  ScriptedFileDialog files;
  RecordingShell shell;
  RecordingHelp help;
  TMainForm form{dir.path(), UiServices{messages, files, shell, help}};
  bool created = false;
  std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, OpensWithItsCaptionSizeControlsAndFirstPage) {
  ASSERT_TRUE(created);
  EXPECT_EQ(window->windowTitle(), Q("Вельтран для AutoCad2000"));
  EXPECT_EQ(window->size(), QSize(648, 565));
  const Qt::WindowFlags flags = window->windowFlags();
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);

  auto* pages = Find<QTabWidget>("PageControl1");
  ASSERT_NE(pages, nullptr);
  EXPECT_EQ(pages->currentIndex(), 0);
  const char* names[] = {"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet4"};
  const char* captions[] = {"Вельтран", "Менеджер файлов", "Параметры вывода", "Дополнительно"};
  ASSERT_EQ(pages->count(), 4);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(pages->widget(i)->objectName(), QString::fromLatin1(names[i]));
    EXPECT_EQ(pages->tabText(i), Q(captions[i]));
  }
  EXPECT_NE(Find<QTreeWidget>("Outline1"), nullptr);
  EXPECT_EQ(Find<QTreeWidget>("Outline1")->window(), window.get());
  ASSERT_NE(Find<QStatusBar>("StatusBar"), nullptr);
  EXPECT_EQ(window->HintPanel()->width(), 280);
  ASSERT_NE(Find<ProgressPanel>("agProgress1"), nullptr);
  EXPECT_EQ(Find<ProgressPanel>("agProgress1")->width(), 300);
}

// Each node in depth-first order with its depth, text and the colour of its
// picture: the image index and the picture file must both be right.
TEST_F(MainWindowTest, TreeShowsTheCatalogWithEachNodesPicture) {
  struct Expected {
    int depth;
    const char* text;
    unsigned color;
  };
  const Expected expected[] = {
      {0, "TST -> Тест", kMenuColor},       {1, "Архитектура", kArchColor},
      {2, "okno -> Окно", kOknoColor},      {2, "Стены", kMenuColor},
      {3, "stena -> Стена", kStenaColor},   {3, "dver -> Дверь", kMenuColor},
      {1, "shtamp -> Штамп", kShtampColor},
  };
  auto* tree = Find<QTreeWidget>("Outline1");
  ASSERT_NE(tree, nullptr);
  std::vector<QTreeWidgetItem*> items;
  for (QTreeWidgetItemIterator it(tree); *it; ++it) items.push_back(*it);
  ASSERT_EQ(items.size(), std::size(expected));
  for (size_t i = 0; i < items.size(); ++i) {
    SCOPED_TRACE(expected[i].text);
    int depth = 0;
    for (QTreeWidgetItem* p = items[i]->parent(); p; p = p->parent()) ++depth;
    EXPECT_EQ(depth, expected[i].depth);
    EXPECT_EQ(items[i]->text(0), Q(expected[i].text));
    const QImage picture = items[i]->icon(0).pixmap(16, 16).toImage();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.pixelColor(8, 8).rgb() & 0xFFFFFF, expected[i].color);
    EXPECT_EQ(picture.pixelColor(0, 0).alpha(), 0) << "the mask colour stays opaque";
  }
}

TEST_F(MainWindowTest, SelectingANodeExpandsItAndSelectsItInTheModel) {
  auto* tree = Find<QTreeWidget>("Outline1");
  QTreeWidgetItem* walls = tree->findItems(Q("Стены"), Qt::MatchExactly | Qt::MatchRecursive)[0];
  walls->setExpanded(false);
  tree->setCurrentItem(walls);
  EXPECT_TRUE(walls->isExpanded());
  ASSERT_NE(form.Outline1.Selected(), nullptr);
  EXPECT_EQ(form.Outline1.Selected()->text, "Стены");
  // Showing the first page again rebuilds the tree; what the user collapsed
  // stays collapsed, the rest stays open.
  QTreeWidgetItem* arch = tree->findItems(Q("Архитектура"), Qt::MatchRecursive)[0];
  arch->setExpanded(false);
  ShowPage(1);
  ShowPage(0);
  arch = tree->findItems(Q("Архитектура"), Qt::MatchRecursive)[0];
  EXPECT_FALSE(arch->isExpanded());
  EXPECT_TRUE(arch->parent()->isExpanded());
}

// Every menu item and button shows the model's state on every page.
TEST_F(MainWindowTest, CommandsFollowThePageShown) {
  for (int page : {0, 2, 1, 3, 0}) {
    ShowPage(page);
    SCOPED_TRACE(page);
    EXPECT_EQ(static_cast<int>(form.ActivePage()), page);
    for (const Command& command : form.Commands.All()) {
      SCOPED_TRACE(command.name);
      EXPECT_EQ(window->Actions().Action(command.name)->isEnabled(), command.enabled);
      EXPECT_EQ(window->Actions().Button(command.name)->isVisible(), command.button_visible);
    }
    // The tool bar never starts with a separator, whatever the page hides.
    for (QAction* action : Find<QToolBar>("ToolBar1")->actions()) {
      if (!action->isVisible()) continue;
      EXPECT_FALSE(action->isSeparator());
      break;
    }
  }
  ShowPage(0);
  EXPECT_TRUE(window->Actions().Button("AddLib")->isVisible());
  EXPECT_FALSE(window->Actions().Action("NevProg")->isEnabled());
  ShowPage(2);
  EXPECT_FALSE(window->Actions().Action("AddLib")->isEnabled());
  EXPECT_FALSE(window->Actions().Button("AddLib")->isVisible());
  EXPECT_TRUE(window->Actions().Action("Hlp")->isEnabled());
  EXPECT_TRUE(window->Actions().Button("FileExitItem")->isVisible());
}

TEST_F(MainWindowTest, MenusHoldTheCommandsWithTheirCaptionsAndKeys) {
  struct Item {
    const char* menu;
    const char* command;
    const char* caption;
    QKeySequence key;
  };
  const Item items[] = {
      {"Файл", "NevProg", "Открыть (создать) проект", {}},
      {"Файл", "CopyINI", "Копировать библиотеку", QKeySequence(Qt::Key_F5)},
      {"Файл", "Rev", "Мягкая ревизия", QKeySequence(Qt::Key_F3)},
      {"Файл", "FullRev", "Полная ревизия", QKeySequence(Qt::Key_F4)},
      {"Файл", "FileExitItem", "Выход", QKeySequence(Qt::Key_F10)},
      {"Меню", "MoveUp_1", "Поместить выше", QKeySequence(Qt::CTRL | Qt::Key_Up)},
      {"Меню", "MoveDown_1", "Поместить ниже", QKeySequence(Qt::CTRL | Qt::Key_Down)},
      {"Меню", "AddLib", "Добавить в библиотеку", QKeySequence(Qt::CTRL | Qt::Key_Insert)},
      {"Меню", "DeleteLib", "Удалить из библиотеки", QKeySequence(Qt::CTRL | Qt::Key_Delete)},
      {"Меню", "SaveM", "Сохранить порядок", QKeySequence(Qt::Key_F2)},
      {"Помощь", "Hlp", "Помощь", QKeySequence(Qt::Key_F1)},
  };
  for (const Item& item : items) {
    SCOPED_TRACE(item.command);
    QAction* action = window->Actions().Action(item.command);
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), Q(item.caption));
    EXPECT_EQ(action->shortcut(), item.key);
    bool in_menu = false;
    for (QAction* top : window->menuBar()->actions()) {
      if (top->text() == Q(item.menu)) in_menu = top->menu()->actions().contains(action);
    }
    EXPECT_TRUE(in_menu) << item.menu;
  }
  // Separators stand where the layout puts them.
  QMenu* file_menu = window->menuBar()->actions()[0]->menu();
  QStringList shown;
  for (QAction* a : file_menu->actions()) shown << (a->isSeparator() ? "-" : a->objectName());
  EXPECT_EQ(shown.join(' '),
            "NevProg AddFil DelFil ButtonOpim CopyIniFile CopyINI - Rev FullRev - FileExitItem");
}

TEST_F(MainWindowTest, ToolBarButtonsStandInOrderWithTheirOwnPictures) {
  QStringList names;
  QList<qint64> pictures;
  for (const std::string& item : ToolBarLayout()) {
    if (item == "-") continue;
    QToolButton* button = window->Actions().Button(item);
    ASSERT_NE(button, nullptr) << item;
    names << button->objectName();
    const QImage image = button->icon().pixmap(16, 16).toImage();
    ASSERT_FALSE(image.isNull()) << item;
    EXPECT_FALSE(pictures.contains(image.cacheKey())) << item;
    pictures << image.cacheKey();
  }
  EXPECT_EQ(names.first(), "ToolButton4");
  EXPECT_EQ(Find<QToolButton>("ToolButton17"), window->Actions().Button("SaveM"));
  // Buttons are laid out left to right in the order of the layout.
  int left = -1;
  for (const char* item : {"AddLib", "MoveDown_1", "MoveUp_1", "SaveM", "Hlp"}) {
    QToolButton* button = window->Actions().Button(item);
    EXPECT_GT(button->x(), left) << item;
    left = button->x();
  }
}

// Panel 0 shows the hint of whatever the mouse is over.
TEST_F(MainWindowTest, HintsOfControlsAndCommandsGoToPanelZero) {
  struct Case {
    const char* object;
    const char* hint;
  };
  const Case cases[] = {
      {"ToolButton4", "Добавить команду в библиотеку"},
      {"ToolButton16", "Производит мягкую ревизию"},
      {"agProgress1", "Индикатор выполнения"},
      {"StatusBar", "Строка подсказок"},
      {"TabSheet1", "Основное окно компановки меню"},
  };
  for (const Case& c : cases) {
    auto* widget = Find<QWidget>(c.object);
    ASSERT_NE(widget, nullptr) << c.object;
    Hover(widget);
    EXPECT_EQ(Hint(), Q(c.hint)) << c.object;
  }
  Hover(Find<QTabWidget>("PageControl1")->tabBar());
  EXPECT_EQ(Hint(), Q("Основные режимы программы"));
  QMenu* menu = window->menuBar()->actions()[1]->menu();
  menu->setActiveAction(window->Actions().Action("SaveM"));
  EXPECT_EQ(Hint(), Q("Сохранить изменненую иерархию команд"));
}

TEST_F(MainWindowTest, ProgressShowsTheModelsTextAtOnce) {
  auto* progress = Find<ProgressPanel>("agProgress1");
  EXPECT_EQ(progress->Position(), 0);
  EXPECT_EQ(progress->Maximum(), 100);
  EXPECT_TRUE(progress->Text().isEmpty());
  // A long command reports while it runs: the panel changes without waiting
  // for the command to return to the event loop.
  window->Run([&] {
    form.agProgress1.SetMaximum(8);
    form.DataModule1.SetProgressPosition(3);
    form.DataModule1.SetProgressText("Идет подготовка");
    EXPECT_EQ(progress->Text(), Q("Идет подготовка"));
    EXPECT_EQ(progress->Position(), 3);
    EXPECT_EQ(progress->Maximum(), 8);
  });
}

TEST_F(MainWindowTest, ClosingTheWindowRunsTheCloseHandler) {
  struct Way {
    const char* name;
    std::function<void(MainWindow&)> close;
  };
  const Way ways[] = {
      {"Выход", [](MainWindow& w) { w.Actions().Action("FileExitItem")->trigger(); }},
      {"title bar", [](MainWindow& w) { w.close(); }},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    TMainForm other(dir.path(), UiServices{messages, files, shell, help});
    ASSERT_TRUE(other.Create());
    other.Project.RadioGroup1 = 2;
    MainWindow other_window(other);
    other_window.show();
    way.close(other_window);
    EXPECT_FALSE(other_window.isVisible());
    EXPECT_TRUE(other.Closed());
    EXPECT_NE(ReadCp1251(dir / "Set_Param.dat").find("Auto_Sv=2"), std::string::npos);
    WriteLines(dir / "Set_Param.dat", {"[Setup]", "First_Run=0"});
  }
}

TEST_F(MainWindowTest, AWindowCloseDuringACommandWaitsForTheCommand) {
  window->Run([&] { window->close(); });
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(form.Closed());
}

TEST_F(MainWindowTest, AnErrorInACommandIsReportedAndTheWindowGoesOn) {
  window->Run([] { throw IoError("Нет доступа к файлу Orvpak.set"); });
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].type, MsgType::Error);
  EXPECT_EQ(messages.shown()[0].text, "Нет доступа к файлу Orvpak.set");
  EXPECT_TRUE(window->isVisible());
  ShowPage(2);
  EXPECT_FALSE(window->Actions().Action("AddLib")->isEnabled());
}

}  // namespace
}  // namespace orv::gui
