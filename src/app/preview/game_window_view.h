#pragma once
// The game's windows of one dialogue text, drawn one under the other in a fixed-width font: the
// lines inside their frame as the game lays them out, names in their own colour, codes as small
// boxes, and in red what the window has no room for. One window is the current one; the Page keys
// step through them as the game's button does.

#include <QWidget>

#include "editors/game_window.h"

namespace orvane::preview {

class GameWindowView : public QWidget {
  Q_OBJECT
 public:
  explicit GameWindowView(QWidget* parent = nullptr);

  void setText(GameText shown);
  const GameText& shown() const { return shown_; }
  int current() const { return current_; }
  void setCurrent(int window);
  // Where window `window` is drawn.
  QRect windowRect(int window) const;

  QSize sizeHint() const override;

 signals:
  void currentChanged(int window);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void paintLine(QPainter& painter, const WindowLine& line, QPoint at, bool beyondWindow) const;
  int cellWidth() const;
  int lineHeight() const;

  GameText shown_;
  int current_ = 0;
};

}  // namespace orvane::preview
