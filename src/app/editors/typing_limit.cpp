#include "editors/typing_limit.h"

#include <QLineEdit>
#include <algorithm>

#include "common/text_helpers.h"
#include "widgets/qt_cp1252.h"

namespace orvane::editors {

using shell::FromQt;

int TypingLimitFor(int base, bool growsWithBraces, const QString& text) {
  if (!growsWithBraces) return base;
  return base + 4 * ZaehleVorkommen(FromQt(text, nullptr), "{", true);
}

TypingLimit::TypingLimit(QLineEdit* box, int base, bool growsWithBraces)
    : QObject(box), box_(box), base_(base), growsWithBraces_(growsWithBraces) {
  connect(box, &QLineEdit::textChanged, this, [this] { apply(); });
  apply();
}

void TypingLimit::setText(const QString& text) {
  // QLineEdit cuts a text longer than its maximum, so lift the maximum first.
  box_->setMaxLength(std::max<int>(text.size(), box_->maxLength()));
  box_->setText(text);
  apply();
}

void TypingLimit::apply() {
  const QString text = box_->text();
  box_->setMaxLength(std::max<int>(TypingLimitFor(base_, growsWithBraces_, text), text.size()));
}

}  // namespace orvane::editors
