#pragma once
// The menu bar and the tool bar of the main window over the model's command
// table: one action per command, shared by its menu item and its button.
#include <QAction>
#include <QMenuBar>
#include <QToolBar>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/commands.h"

class QToolButton;

namespace orv::gui {

class CommandActions {
 public:
  // on_trigger runs the command's handler by its name.
  CommandActions(const CommandTable& table, QWidget* owner,
                 std::function<void(const std::string&)> on_trigger);

  void FillMenuBar(QMenuBar* bar);
  void FillToolBar(QToolBar* bar);
  // Captions, hints, enabled state and button visibility from the table;
  // cheap, so it runs after every handler.
  void Refresh();

  QAction* Action(const std::string& command) const;
  QToolButton* Button(const std::string& command) const;

 private:
  const CommandTable& table_;
  std::map<std::string, QAction*> actions_;
  std::map<std::string, QToolButton*> buttons_;
  // The tool bar's handle of each button, which shows or hides it.
  std::map<std::string, QAction*> button_slots_;
  std::vector<std::string> tool_order_;  // commands with a button, left to right
  struct Separator {
    QAction* action;
    size_t buttons_before;
  };
  std::vector<Separator> separators_;
};

// "Ctrl+Insert", "F2"... as a key sequence; an empty one for an empty text.
QKeySequence ShortcutOf(const std::string& text);

}  // namespace orv::gui
