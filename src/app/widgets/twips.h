#pragma once
// Sizes of the windows are designed in twips (1/1440 inch); the screen's DPI turns them into pixels.

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <cmath>

namespace orvane::shell {

inline int Px(int twips) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
  return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

inline QRect PxRect(int left, int top, int width, int height) {
  return QRect(Px(left), Px(top), Px(width), Px(height));
}

}  // namespace orvane::shell
