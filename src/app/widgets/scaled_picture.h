#pragma once
// A drawn picture as an icon: drawn once for each screen scale up to three, so high-resolution screens
// get sharp lines instead of an enlarged small picture.

#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace orvane::shell {

template <class Draw>
QIcon ScaledPicture(int size, Draw draw) {
  QIcon icon;
  for (int scale = 1; scale <= 3; ++scale) {
    QPixmap pixmap(size * scale, size * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    {
      QPainter painter(&pixmap);
      painter.setRenderHint(QPainter::Antialiasing);
      draw(painter);
    }
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace orvane::shell
