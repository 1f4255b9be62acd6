#include "gui/main/page_control.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace orv::gui {

ButtonTabBar::ButtonTabBar(QWidget* parent) : QTabBar(parent) {
  setDrawBase(false);
  setExpanding(false);
  setAttribute(Qt::WA_Hover);
}

QSize ButtonTabBar::tabSizeHint(int index) const {
  const QFontMetrics metrics(font());
  return QSize(metrics.horizontalAdvance(tabText(index)) + 24, metrics.height() + 12);
}

void ButtonTabBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPoint mouse = mapFromGlobal(QCursor::pos());
  for (int i = 0; i < count(); ++i) {
    QStyleOptionButton option;
    option.initFrom(this);
    option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    option.rect = tabRect(i).adjusted(1, 2, -1, -2);
    option.text = tabText(i);
    if (i == currentIndex()) {
      option.state |= QStyle::State_Sunken | QStyle::State_On;
      // Pressed in and a shade darker, so the chosen page reads at a glance.
      option.palette.setColor(QPalette::Button, palette().color(QPalette::Button).darker(118));
    } else {
      option.state |= QStyle::State_Raised;
      if (underMouse() && option.rect.contains(mouse)) option.state |= QStyle::State_MouseOver;
    }
    if (!isTabEnabled(i)) option.state &= ~QStyle::State_Enabled;
    style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
  }
}

PageControl::PageControl(QWidget* parent) : QTabWidget(parent) {
  setTabBar(new ButtonTabBar(this));
  setDocumentMode(true);
}

}  // namespace orv::gui
