// TabSheet1: the main menu tree Outline1, filling the page.
#include <QVBoxLayout>

#include "app/main_form.h"
#include "gui/main/model_tree_widget.h"
#include "gui/main/page_view.h"

namespace orv::gui {

namespace {

class MenuPage : public PageView {
 public:
  explicit MenuPage(const PageContext& context) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    tree_ = new ModelTreeWidget(context.form.Outline1, context.images, this);
    tree_->setObjectName(QStringLiteral("Outline1"));
    // The selection is in the model already; the run only draws the views.
    tree_->on_select = [run = context.run](TreeNode*) { run([] {}); };
    layout->addWidget(tree_);
  }

  void Refresh() override { tree_->Refresh(); }

 private:
  ModelTreeWidget* tree_;
};

}  // namespace

PageView* MakeMenuPage(const PageContext& context) {
  return new MenuPage(context);
}

}  // namespace orv::gui
