#include "editors/limit_counter.h"

#include <QLineEdit>

#include "editors/typing_limit.h"

namespace orvane::editors {

LimitCounter::LimitCounter(QLineEdit* box, int base, bool growsWithBraces, QWidget* parent)
    : QLabel(parent), box_(box), base_(base), growsWithBraces_(growsWithBraces) {
  setObjectName(box->objectName() + QStringLiteral("Count"));
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000 / 000")));
  connect(box, &QLineEdit::textChanged, this, &LimitCounter::count);
  count();
}

void LimitCounter::count() {
  const int typed = static_cast<int>(box_->text().size());
  if (base_ <= 0) {
    setText(QString::number(typed));
    return;
  }
  const int limit = TypingLimitFor(base_, growsWithBraces_, box_->text());
  setText(tr("%1 / %2").arg(typed).arg(limit));
  setStyleSheet(typed >= limit ? QStringLiteral("color: red; font-weight: bold") : QString());
}

}  // namespace orvane::editors
