#pragma once
// Length limits of the name boxes. A limit stops the user from typing more; it never cuts a text
// that the window itself puts into the box, and where escapes count, each "{" widens it by 4 so that
// a four-character escape such as {1A} costs like one character.

#include <QObject>
#include <QString>

class QLineEdit;

namespace orvane::editors {

// The limit for `text`: base, plus 4 for every "{" in it when growsWithBraces is set.
int TypingLimitFor(int base, bool growsWithBraces, const QString& text);

class TypingLimit : public QObject {
 public:
  // Watches `box` (and is owned by it) and keeps its limit in step with its text.
  TypingLimit(QLineEdit* box, int base, bool growsWithBraces);

  // Puts `text` into the box whole, however long it is.
  void setText(const QString& text);

 private:
  void apply();

  QLineEdit* box_;
  int base_;
  bool growsWithBraces_;
};

}  // namespace orvane::editors
