#include "compression/button_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "widgets/scaled_picture.h"

namespace orvane::compression {
namespace {

constexpr int kSize = 32;

template <class Draw>
QIcon Picture(Draw draw) {
  return shell::ScaledPicture(kSize, draw);
}

}  // namespace

QIcon SavePicture() {
  return Picture([](QPainter& p) {
    QPainterPath body;
    body.moveTo(3, 3);
    body.lineTo(25, 3);
    body.lineTo(29, 7);
    body.lineTo(29, 29);
    body.lineTo(3, 29);
    body.closeSubpath();
    p.setPen(QPen(QColor(20, 30, 70), 1.5));
    p.setBrush(QColor(40, 70, 150));
    p.drawPath(body);
    p.setBrush(QColor(215, 220, 230));  // shutter
    p.drawRect(QRectF(9, 3, 14, 9));
    p.setBrush(QColor(40, 70, 150));
    p.drawRect(QRectF(18, 5, 3, 5));
    p.setBrush(Qt::white);  // label
    p.drawRect(QRectF(7, 16, 18, 11));
    p.setPen(QPen(QColor(150, 160, 180), 1));
    for (int y = 19; y <= 25; y += 3) p.drawLine(9, y, 23, y);
  });
}

QIcon ConfirmPicture() {
  return Picture([](QPainter& p) {
    p.setPen(QPen(QColor(20, 110, 40), 2));
    p.setBrush(QColor(220, 245, 220));
    p.drawEllipse(QRectF(2, 2, 28, 28));
    p.setPen(QPen(QColor(20, 140, 50), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({{9, 16}, {14, 22}, {23, 10}}));
  });
}

}  // namespace orvane::compression
