#pragma once
// The main window of Orvek_Pak: a thin view over TMainForm. It renders the
// model's menus, tool bar, pages, tree and status bar, forwards the user's
// events to the model's handlers and draws everything again after each one.
#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/main/command_actions.h"
#include "gui/main/image_list_icons.h"
#include "gui/main/page_view.h"

class QLabel;

namespace orv {
class TMainForm;
}

namespace orv::gui {

class PageControl;
class ProgressPanel;

class MainWindow : public QMainWindow {
 public:
  explicit MainWindow(TMainForm& form, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Runs a handler of the model, then draws every view again. A handler that
  // closes the window (Выход) closes it once it has returned.
  void Run(const std::function<void()>& handler);
  void RunCommand(const std::string& command);
  void RefreshFromModel();

  CommandActions& Actions() { return *actions_; }
  QLabel* HintPanel() const { return hint_panel_; }  // status panel 0
  ProgressPanel* Progress() const { return progress_; }
  PageControl* Pages() const { return pages_; }

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildStatusBar();
  void BuildPages();
  void ShowProgress();

  TMainForm& form_;
  ImageListIcons images_;
  std::unique_ptr<CommandActions> actions_;
  PageControl* pages_ = nullptr;
  std::vector<PageView*> page_views_;
  QLabel* hint_panel_ = nullptr;
  ProgressPanel* progress_ = nullptr;
  int running_ = 0;  // handlers on the stack
  bool closing_ = false;
};

}  // namespace orv::gui
