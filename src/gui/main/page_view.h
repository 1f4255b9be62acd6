#pragma once
// A page of PageControl1. Each page is one small view over the window model;
// the main window draws every page again after each handler has run.
#include <QWidget>
#include <functional>

namespace orv {
class TMainForm;
}

namespace orv::gui {

class ImageListIcons;

// Runs a handler of the model, then draws every view again.
using RunHandler = std::function<void(const std::function<void()>&)>;

// What every page gets from the main window.
struct PageContext {
  TMainForm& form;
  RunHandler run;
  ImageListIcons& images;  // the pictures of ImageList1, shared by both trees
};

class PageView : public QWidget {
 public:
  using QWidget::QWidget;
  // Draws the model again; cheap when nothing changed.
  virtual void Refresh() {}
};

// One factory per page, each in a file of its own.
PageView* MakeMenuPage(const PageContext& context);     // TabSheet1, "Вельтран"
PageView* MakeProjectPage(const PageContext& context);  // TabSheet2, "Менеджер файлов"
PageView* MakeParamsPage(const PageContext& context);  // TabSheet3, "Параметры вывода"
PageView* MakeOptionsPage(const PageContext& context);  // TabSheet4, "Дополнительно"

}  // namespace orv::gui
