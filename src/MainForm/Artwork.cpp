#include "Artwork.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>

namespace zorvel {
namespace {

using Drawing = std::function<void(QPainter&)>;

// Draws a picture given in a 32 x 32 square at several sizes, so that it stays
// sharp on screens with a scale factor and in the desktop's menus.
QIcon IconOf(const Drawing& draw) {
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    draw(painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

void ArrowHead(QPainter& painter, QPointF tip, qreal angleDegrees, const QColor& colour) {
  const qreal a = angleDegrees * M_PI / 180.0;
  const QPointF back(-std::cos(a) * 7, std::sin(a) * 7);
  const QPointF side(std::sin(a) * 4.5, std::cos(a) * 4.5);
  QPainterPath head;
  head.moveTo(tip);
  head.lineTo(tip + back + side);
  head.lineTo(tip + back - side);
  head.closeSubpath();
  painter.fillPath(head, colour);
}

void DrawSwap(QPainter& painter) {
  const QRectF circle(5, 5, 22, 22);
  const QColor blue(30, 90, 200), green(20, 150, 60);
  painter.setPen(QPen(blue, 3, Qt::SolidLine, Qt::FlatCap));
  painter.drawArc(circle, 20 * 16, 140 * 16);  // upper arc, right to left
  ArrowHead(painter, QPointF(5.2, 19.5), -100, blue);
  painter.setPen(QPen(green, 3, Qt::SolidLine, Qt::FlatCap));
  painter.drawArc(circle, 200 * 16, 140 * 16);  // lower arc, left to right
  ArrowHead(painter, QPointF(26.8, 12.5), 80, green);
}

void DrawCopyUp(QPainter& painter) {
  QPainterPath arrow;
  arrow.moveTo(16, 3);
  arrow.lineTo(28, 16);
  arrow.lineTo(20, 16);
  arrow.lineTo(20, 29);
  arrow.lineTo(12, 29);
  arrow.lineTo(12, 16);
  arrow.lineTo(4, 16);
  arrow.closeSubpath();
  painter.fillPath(arrow, QColor(20, 150, 60));
  painter.setPen(QPen(QColor(10, 90, 30), 1.2));
  painter.drawPath(arrow);
}

void DrawAbout(QPainter& painter) {
  QPainterPath bubble;
  bubble.addRoundedRect(QRectF(2.5, 3.5, 27, 20), 6, 6);
  QPainterPath tail;
  tail.moveTo(9, 22);
  tail.lineTo(7, 29.5);
  tail.lineTo(16, 22);
  bubble = bubble.united(tail);
  painter.fillPath(bubble, Qt::white);
  painter.setPen(QPen(QColor(30, 90, 200), 1.6));
  painter.drawPath(bubble);
  painter.setBrush(QColor(30, 90, 200));
  painter.setPen(Qt::NoPen);
  painter.drawEllipse(QPointF(16, 8.5), 2, 2);
  painter.drawRoundedRect(QRectF(14.2, 11.5, 3.6, 9.5), 1, 1);
}

// The same shapes as the installed icon (zorvel.svg): a bracketed matrix
// holding the imaginary unit.
void DrawWindowIcon(QPainter& painter) {
  painter.setPen(QPen(QColor(180, 180, 180), 0.8));
  painter.setBrush(QColor(255, 252, 240));
  painter.drawRoundedRect(QRectF(1, 1, 30, 30), 4, 4);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(40, 40, 40), 2.4));
  painter.drawPolyline(QPolygonF({QPointF(10, 5), QPointF(6, 5), QPointF(6, 27), QPointF(10, 27)}));
  painter.drawPolyline(QPolygonF({QPointF(22, 5), QPointF(26, 5), QPointF(26, 27), QPointF(22, 27)}));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(30, 90, 200));
  painter.drawEllipse(QPointF(16, 10), 2.4, 2.4);
  painter.drawRoundedRect(QRectF(13.8, 14, 4.4, 10), 1.2, 1.2);
}

}  // namespace

QIcon SwapIcon() { return IconOf(DrawSwap); }
QIcon CopyUpIcon() { return IconOf(DrawCopyUp); }
QIcon AboutIcon() { return IconOf(DrawAbout); }
QIcon WindowIcon() { return IconOf(DrawWindowIcon); }

QPixmap MatrixPicture(qreal devicePixelRatio) {
  constexpr int kWidth = 128, kHeight = 72, kCols = 4, kRows = 4;
  QPixmap pixmap(QSize(kWidth, kHeight) * devicePixelRatio);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  pixmap.fill(Qt::white);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const qreal colWidth = kWidth / 4.0, rowHeight = kHeight / 4.0;
  const QColor face(212, 208, 200);
  painter.fillRect(QRectF(0, 0, kWidth, rowHeight), face);
  painter.fillRect(QRectF(0, 0, colWidth, kHeight), face);
  painter.setPen(QColor(128, 128, 128));
  for (int c = 0; c <= kCols; ++c) painter.drawLine(QPointF(c * colWidth, 0), QPointF(c * colWidth, kHeight));
  for (int r = 0; r <= kRows; ++r) painter.drawLine(QPointF(0, r * rowHeight), QPointF(kWidth, r * rowHeight));
  QFont font("Liberation Sans");
  font.setPixelSize(10);
  painter.setFont(font);
  const char* const entries[3][3] = {{"1", "2+i", "-i"}, {"0,5", "3", "1-2i"}, {"i", "-1", "2,25"}};
  for (int i = 1; i < kRows; ++i) {
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, i * rowHeight, colWidth, rowHeight), Qt::AlignCenter, QString::number(i));
    painter.drawText(QRectF(i * colWidth, 0, colWidth, rowHeight), Qt::AlignCenter, QString::number(i));
    for (int j = 1; j < kCols; ++j) {
      painter.setPen(QColor(20, 60, 160));
      painter.drawText(QRectF(j * colWidth, i * rowHeight, colWidth, rowHeight), Qt::AlignCenter,
                       entries[i - 1][j - 1]);
    }
  }
  return pixmap;
}

}  // namespace zorvel
