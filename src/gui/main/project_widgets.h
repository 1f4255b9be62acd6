#pragma once
// The project page's own widgets: a check list over a CheckListBox model and
// the project-name field with its browse button, drop-down of earlier names
// and files dropped on it.
#include <QComboBox>
#include <QListWidget>
#include <QToolButton>
#include <functional>
#include <string>

#include "editor/check_list.h"

namespace orv::gui {

class CheckListWidget : public QListWidget {
 public:
  explicit CheckListWidget(const CheckListBox& model, QWidget* parent = nullptr);

  // Draws the model again when it changed.
  void Refresh();

  // The user selected an entry (mouse or keyboard).
  std::function<void(int)> on_select;
  // The user clicked an entry's box; the argument is the new mark.
  std::function<void(int, bool)> on_check;

 private:
  const CheckListBox& model_;
  unsigned seen_revision_ = 0;
  bool built_ = false;
};

class FileNameField : public QWidget {
 public:
  explicit FileNameField(QWidget* parent = nullptr);

  // Shows the name and the earlier names without reporting a change.
  void Show(const std::string& name, const std::vector<std::string>& history);
  QComboBox* Combo() const { return combo_; }
  QToolButton* BrowseButton() const { return browse_; }

  // A name was typed, chosen from the drop-down or dropped.
  std::function<void(const std::string&)> on_name;
  std::function<void()> on_browse;

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void Commit(const QString& text);

  QComboBox* combo_;
  QToolButton* browse_;
  std::string shown_;
};

}  // namespace orv::gui
