#include "editors/item_symbol_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include "widgets/scaled_picture.h"

namespace orvane::editors {
namespace {

constexpr int kSize = 20;

// Each drawing works on a 20 x 20 grid. The order follows the kinds of item the symbols mark:
// blade, axe, staff, bow, mail, helm, ring, tonic, charm, key.
void DrawSword(QPainter& p) {
  p.setPen(QPen(QColor(90, 90, 110), 2));
  p.drawLine(4, 16, 15, 5);
  p.setPen(QPen(QColor(150, 100, 40), 2));
  p.drawLine(4, 11, 9, 16);
  p.drawLine(2, 18, 5, 15);
}

void DrawAxe(QPainter& p) {
  p.setPen(QPen(QColor(130, 85, 40), 2));
  p.drawLine(5, 18, 13, 3);
  QPainterPath blade;
  blade.moveTo(11, 5);
  blade.quadTo(19, 3, 18, 11);
  blade.lineTo(14, 9);
  blade.closeSubpath();
  p.setPen(QPen(QColor(60, 60, 70), 1));
  p.setBrush(QColor(170, 175, 190));
  p.drawPath(blade);
}

void DrawHelmet(QPainter& p) {
  p.setPen(QPen(QColor(60, 60, 60), 1.5));
  p.setBrush(QColor(170, 170, 180));
  p.drawChord(QRectF(3, 3, 14, 16), 0, 180 * 16);
  p.drawRect(QRectF(3, 11, 14, 3));
  p.setBrush(QColor(200, 40, 40));
  p.drawRect(QRectF(9, 1, 2, 4));
}

void DrawArmour(QPainter& p) {
  const QPolygonF body({{6, 3}, {14, 3}, {18, 7}, {15, 9}, {15, 18}, {5, 18}, {5, 9}, {2, 7}});
  p.setPen(QPen(QColor(60, 60, 60), 1.5));
  p.setBrush(QColor(150, 110, 70));
  p.drawPolygon(body);
  p.drawLine(QPointF(10, 5), QPointF(10, 17));
}

void DrawRing(QPainter& p) {
  p.setPen(QPen(QColor(200, 160, 30), 2.5));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(4, 7, 12, 11));
  p.setPen(QPen(QColor(40, 90, 200), 1));
  p.setBrush(QColor(90, 170, 250));
  p.drawPolygon(QPolygonF({{10, 2}, {13, 5}, {10, 8}, {7, 5}}));
}

void DrawPotion(QPainter& p) {
  p.setPen(QPen(QColor(60, 60, 60), 1.5));
  p.setBrush(QColor(220, 60, 90));
  p.drawEllipse(QRectF(4, 8, 12, 11));
  p.setBrush(QColor(200, 220, 230));
  p.drawRect(QRectF(8, 3, 4, 6));
  p.setBrush(QColor(150, 100, 40));
  p.drawRect(QRectF(7.5, 1, 5, 2.5));
}

void DrawStaff(QPainter& p) {
  p.setPen(QPen(QColor(130, 85, 40), 2));
  p.drawLine(5, 18, 13, 6);
  p.setPen(QPen(QColor(120, 40, 160), 1));
  p.setBrush(QColor(190, 110, 240));
  p.drawEllipse(QRectF(11, 1, 7, 7));
}

void DrawBow(QPainter& p) {
  p.setPen(QPen(QColor(130, 85, 40), 2));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(-4, 2, 16, 16), -80 * 16, 160 * 16);
  p.setPen(QPen(QColor(90, 90, 90), 1));
  p.drawLine(5, 3, 5, 17);
  p.drawLine(5, 10, 18, 10);
  p.drawLine(15, 7, 18, 10);
  p.drawLine(15, 13, 18, 10);
}

void DrawGem(QPainter& p) {
  const QPolygonF gem({{5, 3}, {15, 3}, {19, 8}, {10, 18}, {1, 8}});
  p.setPen(QPen(QColor(20, 110, 60), 1.5));
  p.setBrush(QColor(60, 200, 120));
  p.drawPolygon(gem);
  p.drawLine(QPointF(1, 8), QPointF(19, 8));
  p.drawLine(QPointF(7, 8), QPointF(10, 18));
  p.drawLine(QPointF(13, 8), QPointF(10, 18));
}

void DrawKey(QPainter& p) {
  p.setPen(QPen(QColor(170, 130, 20), 2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(2, 3, 7, 7));
  p.drawLine(QPointF(8.5, 8.5), QPointF(17, 17));
  p.drawLine(QPointF(14, 14), QPointF(11.5, 16.5));
  p.drawLine(QPointF(16, 16), QPointF(13.5, 18.5));
}

void DrawNone(QPainter& p) {
  p.setPen(QPen(QColor(200, 30, 30), 2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(3, 3, 14, 14));
  p.drawLine(5, 15, 15, 5);
}

}  // namespace

QIcon ItemSymbolPicture(int button) {
  using Drawing = void (*)(QPainter&);
  static constexpr Drawing kDrawings[kItemSymbolButtons] = {DrawSword, DrawAxe,    DrawStaff,  DrawBow,
                                                            DrawArmour, DrawHelmet, DrawRing,   DrawPotion,
                                                            DrawGem,    DrawKey,    DrawNone};
  return shell::ScaledPicture(kSize, [button](QPainter& painter) {
    if (button >= 0 && button < kItemSymbolButtons) kDrawings[button](painter);
  });
}

}  // namespace orvane::editors
