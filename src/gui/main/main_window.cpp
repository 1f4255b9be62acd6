#include "gui/main/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <exception>

#include "app/main_form.h"
#include "gui/common/qt_dialogs.h"
#include "gui/main/command_handlers.h"
#include "gui/main/page_control.h"
#include "gui/main/progress_panel.h"

namespace orv::gui {

namespace {

constexpr int kWidth = 648;
constexpr int kHeight = 565;
constexpr int kHintPanelWidth = 280;
constexpr int kProgressPanelWidth = 300;
constexpr const char* kPageControlHint = "Основные режимы программы";

struct PageEntry {
  const char* name;
  const char* caption;
  const char* hint;  // empty: the page shows the hint of the page control
  PageView* (*make)(const PageContext&);
};

const PageEntry kPages[] = {
    {"TabSheet1", "Вельтран", "Основное окно компановки меню", MakeMenuPage},
    {"TabSheet2", "Менеджер файлов", "Редактор файлов инсталяции", MakeProjectPage},
    {"TabSheet3", "Параметры вывода", "Параметры вывода AutoCad-a", MakeParamsPage},
    {"TabSheet4", "Дополнительно", "", MakeOptionsPage},
};

}  // namespace

MainWindow::MainWindow(TMainForm& form, QWidget* parent)
    : QMainWindow(parent), form_(form), images_(form.ImageList1) {
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(Q(kMainCaption));
  // Only the system menu and the close button in the title bar.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

  actions_ = std::make_unique<CommandActions>(
      form_.Commands, this, [this](const std::string& command) { RunCommand(command); });
  menuBar()->setObjectName(QStringLiteral("MainMenu1"));
  actions_->FillMenuBar(menuBar());
  auto* tools = addToolBar(QStringLiteral("ToolBar1"));
  tools->setObjectName(QStringLiteral("ToolBar1"));
  tools->setMovable(false);
  tools->setFloatable(false);
  tools->setIconSize(QSize(16, 16));
  tools->toggleViewAction()->setVisible(false);
  setContextMenuPolicy(Qt::NoContextMenu);
  actions_->FillToolBar(tools);

  BuildPages();
  BuildStatusBar();

  // Long operations run on this thread: the indicator repaints at once and
  // the window answers paint requests, but takes no input until they end.
  form_.agProgress1.on_change = [this](const ProgressIndicator&) {
    ShowProgress();
    progress_->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  };

  resize(kWidth, kHeight);
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  RefreshFromModel();
}

MainWindow::~MainWindow() {
  form_.agProgress1.on_change = nullptr;
}

void MainWindow::BuildPages() {
  pages_ = new PageControl(this);
  pages_->setObjectName(QStringLiteral("PageControl1"));
  pages_->setStatusTip(Q(kPageControlHint));
  pages_->tabBar()->setStatusTip(Q(kPageControlHint));
  const PageContext context{form_, [this](const std::function<void()>& h) { Run(h); }, images_};
  for (const PageEntry& entry : kPages) {
    PageView* page = entry.make(context);
    page->setObjectName(Q(entry.name));
    page->setStatusTip(Q(*entry.hint ? entry.hint : kPageControlHint));
    pages_->addTab(page, Q(entry.caption));
    page_views_.push_back(page);
  }
  pages_->setCurrentIndex(static_cast<int>(form_.ActivePage()));
  connect(pages_, &QTabWidget::currentChanged, this, [this](int index) {
    Run([this, index] { form_.SetActivePage(static_cast<Page>(index)); });
  });
  setCentralWidget(pages_);
}

void MainWindow::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("StatusBar"));
  bar->setStatusTip(QStringLiteral("Строка подсказок"));
  hint_panel_ = new QLabel(bar);
  hint_panel_->setObjectName(QStringLiteral("StatusPanel0"));
  hint_panel_->setFixedWidth(kHintPanelWidth);
  hint_panel_->setFrameShape(QFrame::Panel);
  hint_panel_->setFrameShadow(QFrame::Sunken);
  bar->addWidget(hint_panel_);
  progress_ = new ProgressPanel(bar);
  progress_->setObjectName(QStringLiteral("agProgress1"));
  progress_->setStatusTip(QStringLiteral("Индикатор выполнения"));
  progress_->setFixedWidth(kProgressPanelWidth);
  progress_->setMinimumHeight(hint_panel_->sizeHint().height());
  bar->addWidget(progress_);
}

void MainWindow::ShowProgress() {
  const ProgressIndicator& indicator = form_.agProgress1;
  progress_->SetState(indicator.Position(), indicator.Maximum(), Q(indicator.Text()));
}

void MainWindow::Run(const std::function<void()>& handler) {
  ++running_;
  try {
    handler();
  } catch (const std::exception& error) {
    // An error no command handles ends the command, not the program: it is
    // reported the way the platform reports such errors, in a box.
    if (running_ > 1) {
      --running_;
      throw;
    }
    form_.Ui().messages.Show(MsgType::Error, error.what(), kOk);
  }
  --running_;
  RefreshFromModel();
  if (form_.Closed() && running_ == 0 && !closing_) close();
}

void MainWindow::RunCommand(const std::string& command) {
  if (auto handler = CommandHandler(command)) Run([this, &handler] { handler(form_); });
}

void MainWindow::RefreshFromModel() {
  actions_->Refresh();
  if (pages_->currentIndex() != static_cast<int>(form_.ActivePage())) {
    const QSignalBlocker blocker(pages_);
    pages_->setCurrentIndex(static_cast<int>(form_.ActivePage()));
  }
  for (PageView* page : page_views_) page->Refresh();
  ShowProgress();
}

bool MainWindow::event(QEvent* event) {
  // The hint of whatever is under the mouse goes to panel 0; the panels stay.
  if (event->type() == QEvent::StatusTip) {
    hint_panel_->setText(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QMainWindow::event(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A command is still running (the close came in while it showed progress):
  // it ends first, the window stays.
  if (running_ > 0) {
    event->ignore();
    return;
  }
  closing_ = true;
  if (!form_.Closed()) Run([this] { form_.FormClose(); });
  event->accept();
}

}  // namespace orv::gui
