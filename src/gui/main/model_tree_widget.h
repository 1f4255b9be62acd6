#pragma once
// A read-only tree widget that draws a TreeModel with the pictures of its image
// list. The model is rebuilt, never edited node by node, so the widget is
// filled anew whenever the model or its pictures change. Selecting a node
// expands it and selects it in the model; which nodes the user collapsed is
// kept across rebuilds, every other node is shown expanded.
#include <QTreeWidget>
#include <functional>
#include <set>

#include "gui/main/image_list_icons.h"
#include "platform/tree_model.h"

namespace orv::gui {

class ModelTreeWidget : public QTreeWidget {
 public:
  // on_select runs the model's selection handler; the widget selects the
  // node in the model itself first.
  ModelTreeWidget(TreeModel& model, ImageListIcons& icons, QWidget* parent = nullptr);

  void Refresh();
  TreeNode* NodeOf(const QTreeWidgetItem* item) const;
  QTreeWidgetItem* ItemOf(const TreeNode* node) const;

  std::function<void(TreeNode*)> on_select;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Rebuild();
  void AddItems(QTreeWidgetItem* parent_item, const TreeNode* node);
  static QString PathOf(const QTreeWidgetItem* item);
  void CurrentChanged(QTreeWidgetItem* item);

  TreeModel& model_;
  ImageListIcons& icons_;
  std::set<QString> collapsed_;
  unsigned seen_tree_revision_ = 0;
  unsigned seen_images_revision_ = 0;
  bool built_ = false;
  bool rebuilding_ = false;
};

}  // namespace orv::gui
