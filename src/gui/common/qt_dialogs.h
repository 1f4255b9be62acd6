#pragma once
// The dialog services on Qt: modal message boxes with the system's Russian
// button captions, file dialogs with the system's filters, the help viewer.
#include <QString>
#include <string_view>

#include "platform/dialogs.h"

class QWidget;

namespace orv::gui {

QString Q(std::string_view utf8);
std::string U(const QString& text);

class QtMessageBox : public IMessageBox {
 public:
  explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  Answer Show(MsgType type, std::string_view text, unsigned buttons,
              std::string_view caption = {}) override;

 private:
  QWidget* parent_;
};

class QtFileDialog : public IFileDialog {
 public:
  explicit QtFileDialog(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  std::optional<std::filesystem::path> Run(const FileDialogRequest& request) override;

 private:
  QWidget* parent_;
};

// "Описание (*.a)|*.a|Все (*.*)|*.*" as Qt's "Описание (*.a);;Все (*.*)".
QString QtFilter(std::string_view filter);

}  // namespace orv::gui
