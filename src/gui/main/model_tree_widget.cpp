#include "gui/main/model_tree_widget.h"

#include <QEvent>
#include <QHeaderView>

#include "gui/common/qt_dialogs.h"

namespace orv::gui {

namespace {
constexpr int kNodeRole = Qt::UserRole + 1;
}

ModelTreeWidget::ModelTreeWidget(TreeModel& model, ImageListIcons& icons, QWidget* parent)
    : QTreeWidget(parent), model_(model), icons_(icons) {
  setHeaderHidden(true);
  setColumnCount(1);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setIconSize(QSize(16, 16));
  setUniformRowHeights(true);
  header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  header()->setStretchLastSection(false);
  icons_.SetMaskColor(palette().color(QPalette::Base));
  connect(this, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* item, QTreeWidgetItem*) { CurrentChanged(item); });
  connect(this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
    if (!rebuilding_) collapsed_.insert(PathOf(item));
  });
  connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
    if (!rebuilding_) collapsed_.erase(PathOf(item));
  });
}

void ModelTreeWidget::changeEvent(QEvent* event) {
  QTreeWidget::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) {
    icons_.SetMaskColor(palette().color(QPalette::Base));
    built_ = false;
    Refresh();
  }
}

TreeNode* ModelTreeWidget::NodeOf(const QTreeWidgetItem* item) const {
  if (!item) return nullptr;
  return reinterpret_cast<TreeNode*>(item->data(0, kNodeRole).value<quintptr>());
}

QTreeWidgetItem* ModelTreeWidget::ItemOf(const TreeNode* node) const {
  if (!node) return nullptr;
  for (QTreeWidgetItemIterator it(const_cast<ModelTreeWidget*>(this)); *it; ++it) {
    if (NodeOf(*it) == node) return *it;
  }
  return nullptr;
}

QString ModelTreeWidget::PathOf(const QTreeWidgetItem* item) {
  QString path;
  for (; item; item = item->parent()) path.prepend(item->text(0) + QChar('\n'));
  return path;
}

void ModelTreeWidget::Refresh() {
  const ImageList* images = model_.Images();
  unsigned images_revision = images ? images->Revision() : 0;
  if (built_ && seen_tree_revision_ == model_.Revision() &&
      seen_images_revision_ == images_revision)
    return;
  Rebuild();
  seen_tree_revision_ = model_.Revision();
  seen_images_revision_ = images_revision;
  built_ = true;
}

void ModelTreeWidget::Rebuild() {
  rebuilding_ = true;
  const QSignalBlocker blocker(this);
  clear();
  for (const auto& top : model_.TopLevel()) AddItems(nullptr, top.get());
  setVisible(model_.Visible());
  if (QTreeWidgetItem* selected = ItemOf(model_.Selected())) {
    setCurrentItem(selected);
    scrollToItem(selected);
  }
  rebuilding_ = false;
}

void ModelTreeWidget::AddItems(QTreeWidgetItem* parent_item, const TreeNode* node) {
  auto* item = parent_item ? new QTreeWidgetItem(parent_item) : new QTreeWidgetItem(this);
  item->setText(0, Q(node->text));
  item->setIcon(0, icons_.Icon(node->image_index));
  item->setData(0, kNodeRole, QVariant::fromValue(reinterpret_cast<quintptr>(node)));
  for (const auto& child : node->Children()) AddItems(item, child.get());
  if (node->HasChildren() && !collapsed_.count(PathOf(item))) item->setExpanded(true);
}

void ModelTreeWidget::CurrentChanged(QTreeWidgetItem* item) {
  TreeNode* node = NodeOf(item);
  if (!node) return;
  item->setExpanded(true);
  node->expanded = true;
  model_.Select(node);
  // The selection came from here: no need to fill the widget again for it.
  seen_tree_revision_ = model_.Revision();
  if (on_select) on_select(node);
}

}  // namespace orv::gui
