#include "preview/game_window_view.h"

#include <QKeyEvent>
#include <QPainter>
#include <QtMath>
#include <algorithm>

#include "widgets/qt_cp1252.h"

namespace orvane::preview {

namespace {

constexpr int kMargin = 6;   // around all windows
constexpr int kPadding = 8;  // inside a window's frame
constexpr int kGap = 10;     // between two windows

const QColor kWindowFace(24, 36, 88);
const QColor kFrame(220, 224, 236);
const QColor kCurrentFrame(255, 204, 64);
const QColor kLetters(240, 240, 240);
const QColor kNames(128, 224, 255);
const QColor kCode(176, 176, 200);
const QColor kNoRoom(220, 40, 40);

}  // namespace

GameWindowView::GameWindowView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("GameWindows"));
  setFocusPolicy(Qt::StrongFocus);
  QFont font(QStringLiteral("DejaVu Sans Mono"));
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSizeF(10.5);
  setFont(font);
  setText(LayOutGameText(""));
}

// Each character is drawn in a cell of its own, so the columns line up whatever the font's advance.
int GameWindowView::cellWidth() const { return qCeil(QFontMetricsF(font()).horizontalAdvance(QLatin1Char('M'))); }

int GameWindowView::lineHeight() const { return fontMetrics().height() + 2; }

void GameWindowView::setText(GameText shown) {
  shown_ = std::move(shown);
  const int last = static_cast<int>(shown_.windows.size()) - 1;
  if (current_ > last) setCurrent(last);
  updateGeometry();
  setMinimumSize(sizeHint());
  update();
}

void GameWindowView::setCurrent(int window) {
  window = std::clamp(window, 0, static_cast<int>(shown_.windows.size()) - 1);
  if (window == current_) return;
  current_ = window;
  update();
  emit currentChanged(current_);
}

QRect GameWindowView::windowRect(int window) const {
  const int width = 2 * kPadding + static_cast<int>(shown_.width) * cellWidth();
  int top = kMargin;
  for (int i = 0;; ++i) {
    const size_t lines = std::max(kWindowLines, shown_.windows[static_cast<size_t>(i)].lines.size());
    const int height = 2 * kPadding + static_cast<int>(lines) * lineHeight();
    if (i == window) return {kMargin, top, width, height};
    top += height + kGap;
  }
}

QSize GameWindowView::sizeHint() const {
  size_t columns = shown_.width;
  for (const GameWindow& window : shown_.windows)
    for (const WindowLine& line : window.lines) columns = std::max(columns, line.text.size());
  const QRect last = windowRect(static_cast<int>(shown_.windows.size()) - 1);
  return {2 * kMargin + 2 * kPadding + static_cast<int>(columns) * cellWidth(), last.bottom() + kMargin};
}

void GameWindowView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  for (size_t w = 0; w < shown_.windows.size(); ++w) {
    const QRect frame = windowRect(static_cast<int>(w));
    const bool current = static_cast<int>(w) == current_;
    painter.setPen(QPen(current ? kCurrentFrame : kFrame, current ? 3 : 2));
    painter.setBrush(kWindowFace);
    painter.drawRoundedRect(frame, 6, 6);
    const std::vector<WindowLine>& lines = shown_.windows[w].lines;
    for (size_t k = 0; k < lines.size(); ++k) {
      const QPoint at(frame.left() + kPadding, frame.top() + kPadding + static_cast<int>(k) * lineHeight());
      paintLine(painter, lines[k], at, k >= kWindowLines);
    }
  }
}

// A line the window has no room for is red all through; a long line is red from the width on.
void GameWindowView::paintLine(QPainter& painter, const WindowLine& line, QPoint at, bool beyondWindow) const {
  const int cell = cellWidth(), height = lineHeight();
  const int columns = static_cast<int>(line.text.size()), width = static_cast<int>(shown_.width);
  QColor band = kNoRoom;
  band.setAlpha(110);
  if (beyondWindow) painter.fillRect(QRect(at, QSize(std::max(columns, width) * cell, height)), band);
  else if (columns > width) painter.fillRect(QRect(at + QPoint(width * cell, 0), QSize((columns - width) * cell, height)), band);

  QFont small = font();
  small.setPointSizeF(font().pointSizeF() * 0.7);
  for (const LinePiece& piece : line.pieces) {
    const QRect place(at.x() + static_cast<int>(piece.column) * cell, at.y(), static_cast<int>(piece.text.size()) * cell,
                      height);
    if (piece.kind == PieceKind::Code) {
      // A box as wide as the code's notation, with its inner characters ("1A" of "{1A}") in small print.
      const bool known = piece.text.front() == '{';
      painter.setPen(QPen(known ? kCode : kNoRoom, 1));
      painter.setBrush(Qt::NoBrush);
      painter.drawRoundedRect(place.adjusted(2, 2, -2, -2), 3, 3);
      painter.setFont(small);
      painter.drawText(place, Qt::AlignCenter, shell::ToQt(piece.text.substr(1, piece.text.size() - 2)));
      painter.setFont(font());
      continue;
    }
    painter.setPen(piece.kind == PieceKind::Name ? kNames : kLetters);
    const QString letters = shell::ToQt(piece.text);
    for (int i = 0; i < letters.size(); ++i)
      painter.drawText(QRect(place.left() + i * cell, place.top(), cell, height), Qt::AlignCenter, letters.mid(i, 1));
  }
}

void GameWindowView::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_PageDown: setCurrent(current_ + 1); break;
    case Qt::Key_PageUp: setCurrent(current_ - 1); break;
    case Qt::Key_Home: setCurrent(0); break;
    case Qt::Key_End: setCurrent(static_cast<int>(shown_.windows.size()) - 1); break;
    default: QWidget::keyPressEvent(event); return;
  }
  event->accept();
}

void GameWindowView::mousePressEvent(QMouseEvent* event) {
  for (int w = 0; w < static_cast<int>(shown_.windows.size()); ++w)
    if (windowRect(w).contains(event->position().toPoint())) setCurrent(w);
  QWidget::mousePressEvent(event);
}

}  // namespace orvane::preview
