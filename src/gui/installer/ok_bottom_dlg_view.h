#pragma once
// The installer's dialog on Qt: renders TOKBottomDlg and forwards the user's
// events to its handlers. Fixed geometry, like the form it mirrors.
#include <QDialog>
#include <functional>

#include "installer/ok_bottom_dlg.h"

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace orv::gui {

class QtMessageBox;

class OKBottomDlgView : public QDialog {
  Q_OBJECT

 public:
  OKBottomDlgView(TOKBottomDlg& model, QtMessageBox& messages, QWidget* parent = nullptr);

 protected:
  // The dialog has no close box and Escape does not close it: only OK does.
  void reject() override {}
  void closeEvent(QCloseEvent* event) override;

 private:
  // Runs a handler; an error reaches the user in an error box, and the dialog
  // shows the model's state afterwards either way.
  void Run(const std::function<void()>& handler);
  void Render();
  void ShowValues();

  TOKBottomDlg& model_;
  QtMessageBox& messages_;
  QGroupBox* group_box1_;
  QGroupBox* group_box2_;
  QListWidget* src_list_;
  QLineEdit* edit1_;
  QLineEdit* edit4_;
  QLineEdit* edit2_;
  QLineEdit* edit3_;
  QPushButton* ok_btn_;
};

}  // namespace orv::gui
