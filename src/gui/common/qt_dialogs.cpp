#include "gui/common/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

#include "platform/file_system.h"

namespace orv::gui {

QString Q(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string U(const QString& text) {
  return text.toUtf8().toStdString();
}

Answer QtMessageBox::Show(MsgType type, std::string_view text, unsigned buttons,
                          std::string_view caption) {
  QMessageBox box(parent_);
  box.setWindowTitle(caption.empty() ? QApplication::applicationDisplayName() : Q(caption));
  box.setText(Q(text));
  switch (type) {
    case MsgType::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case MsgType::Warning:
      box.setIcon(QMessageBox::Warning);
      break;
    case MsgType::Error:
      box.setIcon(QMessageBox::Critical);
      break;
    case MsgType::Confirmation:
      box.setIcon(QMessageBox::Question);
      break;
  }
  struct Choice {
    MsgButton flag;
    const char* caption;
    QMessageBox::ButtonRole role;
    Answer answer;
  };
  const std::vector<Choice> choices = {
      {kYes, "Да", QMessageBox::YesRole, Answer::Yes},
      {kNo, "Нет", QMessageBox::NoRole, Answer::No},
      {kOk, "OK", QMessageBox::AcceptRole, Answer::Ok},
      {kCancel, "Отмена", QMessageBox::RejectRole, Answer::Cancel},
      {kAll, "Все", QMessageBox::AcceptRole, Answer::All},
  };
  std::vector<std::pair<QAbstractButton*, Answer>> added;
  for (const Choice& c : choices) {
    if (buttons & c.flag) added.emplace_back(box.addButton(Q(c.caption), c.role), c.answer);
  }
  if (added.empty())
    added.emplace_back(box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole), Answer::Ok);
  box.exec();
  for (auto& [button, answer] : added) {
    if (box.clickedButton() == button) return answer;
  }
  return Answer::None;
}

QString QtFilter(std::string_view filter) {
  QStringList parts = Q(filter).split('|');
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString name = parts[i];
    // The pattern already stands in the description in most filters.
    if (!name.contains('(')) name += " (" + parts[i + 1] + ")";
    out << name;
  }
  return out.join(";;");
}

std::optional<std::filesystem::path> QtFileDialog::Run(const FileDialogRequest& request) {
  QFileDialog dialog(parent_, Q(request.title));
  dialog.setAcceptMode(request.kind == FileDialogRequest::Kind::Save ? QFileDialog::AcceptSave
                                                                     : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.kind == FileDialogRequest::Kind::Save || request.may_create
                         ? QFileDialog::AnyFile
                         : QFileDialog::ExistingFile);
  dialog.setNameFilter(QtFilter(request.filter));
  dialog.setDefaultSuffix(Q(request.default_ext));
  if (!request.initial_dir.empty()) dialog.setDirectory(Q(PathToUtf8(request.initial_dir)));
  if (!request.file_name.empty()) dialog.selectFile(Q(request.file_name));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return PathFromUtf8(U(dialog.selectedFiles().first()));
}

}  // namespace orv::gui
