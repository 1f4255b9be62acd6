#include "gui/main/tool_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>
#include <functional>
#include <map>
#include <numbers>
#include <string>

namespace orv::gui {

namespace {

constexpr int kSize = 16;

const QColor kInk(40, 40, 40);
const QColor kPaper(255, 255, 250);
const QColor kBook(64, 96, 176);
const QColor kGreen(30, 150, 40);
const QColor kRed(200, 30, 30);
const QColor kArrow(30, 90, 200);
const QColor kFolder(232, 188, 64);

QPen Pen(const QColor& color, double width = 1.0) {
  return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A page with a folded corner, its top-left at (x, y), w x h.
void Page(QPainter& p, double x, double y, double w, double h) {
  QPainterPath path;
  path.moveTo(x, y);
  path.lineTo(x + w - 3, y);
  path.lineTo(x + w, y + 3);
  path.lineTo(x + w, y + h);
  path.lineTo(x, y + h);
  path.closeSubpath();
  p.setPen(Pen(kInk));
  p.setBrush(kPaper);
  p.drawPath(path);
  p.drawLine(QPointF(x + w - 3, y), QPointF(x + w - 3, y + 3));
  p.drawLine(QPointF(x + w - 3, y + 3), QPointF(x + w, y + 3));
  p.setPen(Pen(QColor(150, 150, 150)));
  for (double ly = y + 5; ly < y + h - 1; ly += 2)
    p.drawLine(QPointF(x + 2, ly), QPointF(x + w - 2, ly));
}

// A closed book standing upright.
void Book(QPainter& p, double x, double y, const QColor& cover) {
  p.setPen(Pen(cover.darker(160)));
  p.setBrush(cover);
  p.drawRect(QRectF(x, y, 9, 12));
  p.setBrush(kPaper);
  p.drawRect(QRectF(x + 9, y + 1, 2, 11));
  p.setPen(Pen(kPaper));
  p.drawLine(QPointF(x + 2, y + 3), QPointF(x + 7, y + 3));
  p.drawLine(QPointF(x + 2, y + 5), QPointF(x + 6, y + 5));
}

// A small round sign in the bottom-right corner: plus, cross or star.
void Plus(QPainter& p) {
  p.setPen(Pen(Qt::white, 1));
  p.setBrush(kGreen);
  p.drawEllipse(QRectF(8.5, 8.5, 7, 7));
  p.setPen(Pen(Qt::white, 1.6));
  p.drawLine(QPointF(12, 10), QPointF(12, 14));
  p.drawLine(QPointF(10, 12), QPointF(14, 12));
}

void Cross(QPainter& p) {
  p.setPen(Pen(kRed, 2.2));
  p.drawLine(QPointF(9.5, 9.5), QPointF(14.5, 14.5));
  p.drawLine(QPointF(14.5, 9.5), QPointF(9.5, 14.5));
}

void Star(QPainter& p, double cx, double cy, double r) {
  QPainterPath path;
  for (int i = 0; i < 10; ++i) {
    const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
    const double radius = (i % 2) ? r * 0.45 : r;
    QPointF point(cx + radius * std::cos(angle), cy + radius * std::sin(angle));
    i ? path.lineTo(point) : path.moveTo(point);
  }
  path.closeSubpath();
  p.setPen(Pen(QColor(170, 120, 0)));
  p.setBrush(QColor(255, 210, 40));
  p.drawPath(path);
}

// A thick vertical arrow; up points to the top.
void VerticalArrow(QPainter& p, bool up) {
  QPolygonF shape;
  const double tip = up ? 1.5 : 14.5, base = up ? 7.5 : 8.5, tail = up ? 14.5 : 1.5;
  shape << QPointF(8, tip) << QPointF(14, base) << QPointF(10.5, base) << QPointF(10.5, tail)
        << QPointF(5.5, tail) << QPointF(5.5, base) << QPointF(2, base);
  p.setPen(Pen(kArrow.darker(150)));
  p.setBrush(kArrow);
  p.drawPolygon(shape);
}

void Floppy(QPainter& p) {
  QPainterPath body;
  body.moveTo(1.5, 1.5);
  body.lineTo(12.5, 1.5);
  body.lineTo(14.5, 3.5);
  body.lineTo(14.5, 14.5);
  body.lineTo(1.5, 14.5);
  body.closeSubpath();
  p.setPen(Pen(QColor(20, 30, 80)));
  p.setBrush(QColor(50, 70, 150));
  p.drawPath(body);
  p.setBrush(kPaper);
  p.drawRect(QRectF(3.5, 1.5, 8, 5));
  p.setBrush(QColor(180, 180, 190));
  p.drawRect(QRectF(4.5, 9.5, 7, 5));
  p.setBrush(QColor(50, 70, 150));
  p.drawRect(QRectF(8.5, 2.5, 2, 3));
}

void Magnifier(QPainter& p, double x, double y) {
  p.setPen(Pen(QColor(90, 60, 30), 2.6));
  p.drawLine(QPointF(x + 7.5, y + 7.5), QPointF(x + 11.5, y + 11.5));
  p.setPen(Pen(kInk, 1.4));
  p.setBrush(QColor(190, 225, 255));
  p.drawEllipse(QRectF(x + 1, y + 1, 8, 8));
}

void CircularArrows(QPainter& p) {
  p.setBrush(Qt::NoBrush);
  p.setPen(Pen(kGreen, 2));
  p.drawArc(QRectF(2.5, 2.5, 11, 11), 30 * 16, 150 * 16);
  p.drawArc(QRectF(2.5, 2.5, 11, 11), 210 * 16, 150 * 16);
  p.setPen(Pen(kGreen.darker(130)));
  p.setBrush(kGreen);
  p.drawPolygon(QPolygonF() << QPointF(13.8, 1.5) << QPointF(14.8, 7) << QPointF(9.8, 5.5));
  p.drawPolygon(QPolygonF() << QPointF(2.2, 14.5) << QPointF(1.2, 9) << QPointF(6.2, 10.5));
}

void OpenFolder(QPainter& p) {
  p.setPen(Pen(kFolder.darker(170)));
  p.setBrush(kFolder.darker(115));
  QPainterPath back;
  back.moveTo(1.5, 13.5);
  back.lineTo(1.5, 3.5);
  back.lineTo(5.5, 3.5);
  back.lineTo(6.5, 5);
  back.lineTo(12.5, 5);
  back.lineTo(12.5, 13.5);
  back.closeSubpath();
  p.drawPath(back);
  p.setBrush(kFolder);
  p.drawPolygon(QPolygonF() << QPointF(1.5, 13.5) << QPointF(4, 7.5) << QPointF(15, 7.5)
                            << QPointF(12.5, 13.5));
}

void QuestionMark(QPainter& p) {
  p.setPen(Pen(kArrow.darker(150)));
  p.setBrush(kArrow);
  p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
  QFont font = p.font();
  font.setPixelSize(12);
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
}

void ExitDoor(QPainter& p) {
  p.setPen(Pen(QColor(90, 50, 20)));
  p.setBrush(QColor(170, 110, 60));
  p.drawRect(QRectF(1.5, 1.5, 8, 13));
  p.setBrush(QColor(230, 200, 90));
  p.drawEllipse(QRectF(6.5, 8, 1.8, 1.8));
  p.setPen(Pen(kRed, 2));
  p.drawLine(QPointF(9, 8), QPointF(14.5, 8));
  p.drawLine(QPointF(12, 5.5), QPointF(14.5, 8));
  p.drawLine(QPointF(12, 10.5), QPointF(14.5, 8));
}

void RightArrow(QPainter& p, double y) {
  p.setPen(Pen(kGreen, 2));
  p.drawLine(QPointF(8, y), QPointF(14.5, y));
  p.drawLine(QPointF(12, y - 2.5), QPointF(14.5, y));
  p.drawLine(QPointF(12, y + 2.5), QPointF(14.5, y));
}

using Drawing = std::function<void(QPainter&)>;

const std::map<std::string, Drawing, std::less<>>& Drawings() {
  static const std::map<std::string, Drawing, std::less<>> drawings = {
      {"AddLib",
       [](QPainter& p) {
         Book(p, 1.5, 1.5, kBook);
         Plus(p);
       }},
      {"DeleteLib",
       [](QPainter& p) {
         Book(p, 1.5, 1.5, kBook);
         Cross(p);
       }},
      {"MoveUp_1", [](QPainter& p) { VerticalArrow(p, true); }},
      {"MoveDown_1", [](QPainter& p) { VerticalArrow(p, false); }},
      {"SaveM", Floppy},
      {"Rev", [](QPainter& p) { Magnifier(p, 1.5, 1.5); }},
      {"FullRev",
       [](QPainter& p) {
         CircularArrows(p);
         Star(p, 8, 8, 3.5);
       }},
      {"NevProg", OpenFolder},
      {"AddFil",
       [](QPainter& p) {
         Page(p, 1.5, 0.5, 10, 13);
         Plus(p);
       }},
      {"DelFil",
       [](QPainter& p) {
         Page(p, 1.5, 0.5, 10, 13);
         Cross(p);
       }},
      {"ButtonOpim",
       [](QPainter& p) {
         Page(p, 1.5, 0.5, 10, 13);
         Star(p, 11.5, 11.5, 4.5);
       }},
      {"CopyINI",
       [](QPainter& p) {
         Book(p, 0.5, 0.5, kBook.lighter(130));
         Book(p, 4.5, 3.5, kBook);
       }},
      {"CopyIniFile",
       [](QPainter& p) {
         Page(p, 0.5, 0.5, 10, 14);
         RightArrow(p, 11);
       }},
      {"Hlp", QuestionMark},
      {"FileExitItem", ExitDoor},
  };
  return drawings;
}

}  // namespace

QIcon CommandIcon(std::string_view command) {
  auto found = Drawings().find(command);
  if (found == Drawings().end()) return {};
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  found->second(painter);
  painter.end();
  QIcon icon(pixmap);
  return icon;
}

}  // namespace orv::gui
