#pragma once
// "7 / 10" beside a name box: the characters typed of the most the box takes (the limit the typing
// limit keeps, so an escape's braces widen it), in red once the box is full. A box without a limit
// shows the count alone.

#include <QLabel>

class QLineEdit;

namespace orvane::editors {

class LimitCounter : public QLabel {
  Q_OBJECT
 public:
  // Follows `box`; `base` 0 means no limit.
  LimitCounter(QLineEdit* box, int base, bool growsWithBraces, QWidget* parent = nullptr);

 private:
  void count();

  QLineEdit* box_;
  int base_;
  bool growsWithBraces_;
};

}  // namespace orvane::editors
