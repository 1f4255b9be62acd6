#include "gui/main/progress_panel.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

namespace orv::gui {

ProgressPanel::ProgressPanel(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ProgressPanel::SetState(int position, int maximum, const QString& text) {
  if (position == position_ && maximum == maximum_ && text == text_) return;
  position_ = position;
  maximum_ = maximum;
  text_ = text;
  update();
}

void ProgressPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPalette& pal = palette();
  painter.fillRect(rect(), pal.color(QPalette::Window));
  QStyleOptionFrame frame;
  frame.initFrom(this);
  frame.lineWidth = 1;
  frame.state |= QStyle::State_Sunken;
  style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);

  const QRect inner = rect().adjusted(2, 2, -2, -2);
  // Any maximum that is not positive shows an empty bar, whatever the position.
  int filled = 0;
  if (maximum_ > 0) {
    const double share = std::clamp(static_cast<double>(position_) / maximum_, 0.0, 1.0);
    filled = static_cast<int>(inner.width() * share + 0.5);
  }
  const QRect bar(inner.left(), inner.top(), filled, inner.height());
  painter.fillRect(bar, pal.color(QPalette::Highlight));

  // The text reads in both halves: highlighted text colour over the bar.
  const int flags = Qt::AlignCenter | Qt::TextSingleLine;
  painter.setClipRect(inner.adjusted(filled, 0, 0, 0));
  painter.setPen(pal.color(QPalette::WindowText));
  painter.drawText(inner, flags, text_);
  painter.setClipRect(bar);
  painter.setPen(pal.color(QPalette::HighlightedText));
  painter.drawText(inner, flags, text_);
}

}  // namespace orv::gui
