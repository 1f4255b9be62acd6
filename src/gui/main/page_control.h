#pragma once
// PageControl1: a page control whose tabs are drawn as buttons, the chosen
// one pressed in, with no frame around the pages.
#include <QTabBar>
#include <QTabWidget>

namespace orv::gui {

class ButtonTabBar : public QTabBar {
 public:
  explicit ButtonTabBar(QWidget* parent = nullptr);

 protected:
  QSize tabSizeHint(int index) const override;
  void paintEvent(QPaintEvent* event) override;
};

class PageControl : public QTabWidget {
 public:
  explicit PageControl(QWidget* parent = nullptr);
};

}  // namespace orv::gui
