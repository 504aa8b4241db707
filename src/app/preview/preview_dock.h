#pragma once
// "Preview": a dock that shows a dialogue text as the player will see it, window by window, with a
// line above that says which window is the current one and what does not fit.

#include <QDockWidget>
#include <string_view>

class QLabel;
class QScrollArea;

namespace orvane::preview {

class GameWindowView;

class PreviewDock : public QDockWidget {
  Q_OBJECT
 public:
  explicit PreviewDock(QWidget* parent = nullptr);

  // Lays out `stored` (a dialogue text in its stored form) and shows it.
  void showText(std::string_view stored);
  GameWindowView* view() const { return view_; }
  QLabel* summary() const { return summary_; }

 private:
  void describe();

  QLabel* summary_;
  QScrollArea* scroll_;
  GameWindowView* view_;
};

}  // namespace orvane::preview
