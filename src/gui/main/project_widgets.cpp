#include "gui/main/project_widgets.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalBlocker>

#include "gui/common/qt_dialogs.h"

namespace orv::gui {

CheckListWidget::CheckListWidget(const CheckListBox& model, QWidget* parent)
    : QListWidget(parent), model_(model) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
    if (on_select && row >= 0) on_select(row);
  });
  connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    if (on_check) on_check(row(item), item->checkState() == Qt::Checked);
  });
}

void CheckListWidget::Refresh() {
  if (built_ && seen_revision_ == model_.Revision()) return;
  const QSignalBlocker blocker(this);
  if (count() != model_.Count()) {
    clear();
    for (int i = 0; i < model_.Count(); ++i) {
      auto* item = new QListWidgetItem(this);
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    }
  }
  for (int i = 0; i < model_.Count(); ++i) {
    QListWidgetItem* entry = item(i);
    entry->setText(Q(model_.Text(i)));
    entry->setCheckState(model_.Checked(i) ? Qt::Checked : Qt::Unchecked);
  }
  setCurrentRow(model_.ItemIndex());
  if (model_.ItemIndex() < 0) clearSelection();
  seen_revision_ = model_.Revision();
  built_ = true;
}

FileNameField::FileNameField(QWidget* parent) : QWidget(parent) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  combo_ = new QComboBox(this);
  combo_->setEditable(true);
  combo_->setInsertPolicy(QComboBox::NoInsert);
  combo_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  // Long earlier names must not widen the page.
  combo_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  combo_->setMinimumContentsLength(16);
  browse_ = new QToolButton(this);
  browse_->setText(QStringLiteral("..."));
  layout->addWidget(combo_);
  layout->addWidget(browse_);

  // The field takes files dropped on it, not the text the line edit would take.
  setAcceptDrops(true);
  combo_->lineEdit()->setAcceptDrops(false);

  connect(combo_->lineEdit(), &QLineEdit::editingFinished, this,
          [this] { Commit(combo_->currentText()); });
  connect(combo_, &QComboBox::activated, this,
          [this](int index) { Commit(combo_->itemText(index)); });
  connect(browse_, &QToolButton::clicked, this, [this] {
    if (on_browse) on_browse();
  });
}

void FileNameField::Show(const std::string& name, const std::vector<std::string>& history) {
  const QSignalBlocker blocker(combo_);
  QStringList items;
  for (const std::string& earlier : history) items << Q(earlier);
  QStringList current;
  for (int i = 0; i < combo_->count(); ++i) current << combo_->itemText(i);
  if (current != items) {
    combo_->clear();
    combo_->addItems(items);
  }
  if (combo_->currentText() != Q(name)) combo_->setEditText(Q(name));
  shown_ = name;
}

void FileNameField::Commit(const QString& text) {
  std::string name = U(text);
  if (name == shown_) return;
  shown_ = name;
  if (on_name) on_name(name);
}

void FileNameField::dragEnterEvent(QDragEnterEvent* event) {
  const QMimeData* data = event->mimeData();
  if (data->hasUrls() && data->urls().first().isLocalFile()) event->acceptProposedAction();
}

void FileNameField::dropEvent(QDropEvent* event) {
  const QMimeData* data = event->mimeData();
  if (!data->hasUrls()) return;
  event->acceptProposedAction();
  QString file = data->urls().first().toLocalFile();
  if (!file.isEmpty()) Commit(file);
}

}  // namespace orv::gui
