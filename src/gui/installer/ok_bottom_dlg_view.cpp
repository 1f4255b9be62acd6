#include "gui/installer/ok_bottom_dlg_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <exception>

#include "gui/common/qt_dialogs.h"

namespace orv::gui {

using namespace installer;

namespace {
QLabel* MakeLabel(QWidget* parent, std::string_view text, int left, int top) {
  auto* label = new QLabel(Q(text), parent);
  label->move(left, top);
  label->adjustSize();
  return label;
}

// Labels of one page share a font, smaller where a caption would not fit on
// its line.
void FitLabels(std::initializer_list<QLabel*> labels, int max_width) {
  QFont font = (*labels.begin())->font();
  auto too_wide = [&] {
    for (QLabel* label : labels) {
      if (QFontMetrics(font).horizontalAdvance(label->text()) > max_width) return true;
    }
    return false;
  };
  while (too_wide() && font.pointSize() > 6) font.setPointSize(font.pointSize() - 1);
  for (QLabel* label : labels) {
    label->setFont(font);
    label->adjustSize();
  }
}

QLineEdit* MakeEdit(QWidget* parent, const QRect& geometry) {
  auto* edit = new QLineEdit(parent);
  edit->setGeometry(geometry);
  return edit;
}
}  // namespace

OKBottomDlgView::OKBottomDlgView(TOKBottomDlg& model, QtMessageBox& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      model_(model),
      messages_(messages) {
  setWindowTitle(Q(kCaption));
  // The fixed geometry is laid out for a small dialog font.
  QFont small = font();
  small.setPointSize(8);
  setFont(small);

  // The merge page.
  group_box1_ = new QGroupBox(Q(kGroupBox1Caption), this);
  group_box1_->setGeometry(8, 4, 357, 238);
  src_list_ = new QListWidget(group_box1_);
  src_list_->setGeometry(8, 20, 165, 208);
  src_list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  QLabel* label1 = MakeLabel(group_box1_, kLabel1Caption, 181, 20);
  edit1_ = MakeEdit(group_box1_, QRect(181, 38, 168, 23));
  QLabel* label2 = MakeLabel(group_box1_, kLabel2Caption, 181, 66);
  FitLabels({label1, label2}, 168);
  edit4_ = MakeEdit(group_box1_, QRect(181, 84, 168, 23));
  edit4_->setReadOnly(true);
  struct Button {
    std::string_view caption;
    void (TOKBottomDlg::*handler)();
  };
  // The two change buttons run each other's namesake handler.
  const Button buttons[] = {
      {kBitBtn3Caption, &TOKBottomDlg::BitBtn4Click},
      {kBitBtn4Caption, &TOKBottomDlg::BitBtn3Click},
      {kBitBtn1Caption, &TOKBottomDlg::BitBtn1Click},
      {kBitBtn2Caption, &TOKBottomDlg::BitBtn2Click},
  };
  int top = 116;
  for (const Button& b : buttons) {
    auto* button = new QPushButton(Q(b.caption), group_box1_);
    button->setGeometry(181, top, 168, 25);
    button->setAutoDefault(false);
    auto handler = b.handler;
    connect(button, &QPushButton::clicked, this,
            [this, handler] { Run([this, handler] { (model_.*handler)(); }); });
    top += 28;
  }
  connect(src_list_, &QListWidget::currentRowChanged, this, [this](int row) {
    model_.SrcList.ItemIndex = row;
    model_.SrcListClick();
    ShowValues();
  });
  connect(src_list_, &QListWidget::itemSelectionChanged, this, [this] {
    for (int i = 0; i < src_list_->count() && i < static_cast<int>(model_.SrcList.Selected.size());
         ++i)
      model_.SrcList.Selected[i] = src_list_->item(i)->isSelected();
  });
  connect(edit1_, &QLineEdit::textEdited, this,
          [this](const QString& text) { model_.Edit1 = U(text); });

  // The first installation's page.
  group_box2_ = new QGroupBox(Q(kGroupBox2Caption), this);
  group_box2_->setGeometry(8, 4, 357, 124);
  QLabel* label3 = MakeLabel(group_box2_, kLabel3Caption, 10, 22);
  edit2_ = MakeEdit(group_box2_, QRect(10, 40, 337, 23));
  QLabel* label4 = MakeLabel(group_box2_, kLabel4Caption, 10, 72);
  FitLabels({label3, label4}, 337);
  edit3_ = MakeEdit(group_box2_, QRect(10, 90, 337, 23));
  connect(edit2_, &QLineEdit::textEdited, this,
          [this](const QString& text) { model_.Edit2 = U(text); });
  connect(edit3_, &QLineEdit::textEdited, this,
          [this](const QString& text) { model_.Edit3 = U(text); });

  ok_btn_ = new QPushButton(Q(kOkCaption), this);
  ok_btn_->setDefault(true);
  connect(ok_btn_, &QPushButton::clicked, this, [this] {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Run([this] { model_.OKBtnClick(); });
    QApplication::restoreOverrideCursor();
    if (model_.Closed()) done(model_.ExitCode());
  });

  Render();
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void OKBottomDlgView::closeEvent(QCloseEvent* event) {
  if (model_.Closed()) {
    event->accept();
  } else {
    event->ignore();
  }
}

void OKBottomDlgView::Run(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    messages_.Show(MsgType::Error, e.what(), kOk);
  }
  Render();
}

void OKBottomDlgView::ShowValues() {
  edit1_->setText(Q(model_.Edit1));
  edit4_->setText(Q(model_.Edit4));
}

void OKBottomDlgView::Render() {
  group_box1_->setVisible(model_.GroupBox1Visible);
  group_box2_->setVisible(model_.GroupBox2Visible);
  setFixedSize(kClientWidth, model_.ClientHeight);
  ok_btn_->setGeometry((kClientWidth - 75) / 2, model_.OKBtnTop, 75, 25);

  const QSignalBlocker blocker(src_list_);
  src_list_->clear();
  for (size_t i = 0; i < model_.SrcList.Items.size(); ++i) {
    src_list_->addItem(Q(model_.SrcList.Items[i]));
    src_list_->item(static_cast<int>(i))->setSelected(model_.SrcList.Selected[i]);
  }
  if (model_.SrcList.ItemIndex >= 0)
    src_list_->setCurrentRow(model_.SrcList.ItemIndex, QItemSelectionModel::NoUpdate);
  ShowValues();
  edit2_->setText(Q(model_.Edit2));
  edit3_->setText(Q(model_.Edit3));
}

}  // namespace orv::gui
