#include "gui/main/command_actions.h"

#include <QToolButton>

#include "app/command_table.h"
#include "gui/common/qt_dialogs.h"
#include "gui/main/tool_icons.h"

namespace orv::gui {

QKeySequence ShortcutOf(const std::string& text) {
  if (text.empty()) return {};
  // Qt's portable key names are the short ones.
  QStringList parts = Q(text).split('+');
  QString& key = parts.last();
  if (key.compare(QLatin1String("Insert"), Qt::CaseInsensitive) == 0) key = "Ins";
  if (key.compare(QLatin1String("Delete"), Qt::CaseInsensitive) == 0) key = "Del";
  return QKeySequence::fromString(parts.join('+'), QKeySequence::PortableText);
}

CommandActions::CommandActions(const CommandTable& table, QWidget* owner,
                               std::function<void(const std::string&)> on_trigger)
    : table_(table) {
  for (const Command& command : table.All()) {
    auto* action = new QAction(owner);
    action->setObjectName(Q(command.name));
    action->setIcon(CommandIcon(command.name));
    action->setShortcut(ShortcutOf(command.shortcut));
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, owner,
                     [on_trigger, name = command.name] { on_trigger(name); });
    actions_[command.name] = action;
  }
  Refresh();
}

void CommandActions::FillMenuBar(QMenuBar* bar) {
  for (const MenuLayout& layout : MainMenuLayout()) {
    QMenu* menu = bar->addMenu(Q(layout.title));
    menu->menuAction()->setStatusTip(Q(layout.hint));
    for (const std::string& item : layout.items) {
      if (item == "-") {
        menu->addSeparator();
      } else {
        menu->addAction(Action(item));
      }
    }
  }
}

void CommandActions::FillToolBar(QToolBar* bar) {
  for (const std::string& item : ToolBarLayout()) {
    if (item == "-") {
      separators_.push_back({bar->addSeparator(), tool_order_.size()});
      continue;
    }
    auto* button = new QToolButton(bar);
    button->setDefaultAction(Action(item));
    button->setObjectName(Q(table_.Get(item).button_name));
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setIconSize(QSize(16, 16));
    buttons_[item] = button;
    button_slots_[item] = bar->addWidget(button);
    tool_order_.push_back(item);
  }
  Refresh();
}

void CommandActions::Refresh() {
  for (const Command& command : table_.All()) {
    QAction* action = Action(command.name);
    action->setText(Q(command.caption));
    action->setStatusTip(Q(command.hint));
    action->setToolTip(Q(command.hint));
    action->setEnabled(command.enabled);
    if (auto slot = button_slots_.find(command.name); slot != button_slots_.end())
      slot->second->setVisible(command.button_visible);
    if (auto button = buttons_.find(command.name); button != buttons_.end())
      button->second->setStatusTip(Q(command.hint));
  }
  // A separator shows only after a shown button, so that the pages that hide
  // every library button do not start the tool bar with a bar.
  for (const auto& [separator, buttons_before] : separators_) {
    bool shown_before = false;
    for (size_t i = 0; i < buttons_before && i < tool_order_.size(); ++i)
      shown_before = shown_before || table_.Get(tool_order_[i]).button_visible;
    separator->setVisible(shown_before);
  }
}

QAction* CommandActions::Action(const std::string& command) const {
  auto found = actions_.find(command);
  return found == actions_.end() ? nullptr : found->second;
}

QToolButton* CommandActions::Button(const std::string& command) const {
  auto found = buttons_.find(command);
  return found == buttons_.end() ? nullptr : found->second;
}

}  // namespace orv::gui
