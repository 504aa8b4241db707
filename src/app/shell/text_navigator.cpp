#include "shell/text_navigator.h"

#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QScrollBar>

#include "common/text_helpers.h"
#include "progress/status_marks.h"
#include "progress/translation_progress.h"
#include "shell/go_to_dialog.h"
#include "widgets/qt_cp1252.h"

namespace orvane::shell {

TextNavigator::TextNavigator(const Document& doc, Widgets widgets, Hooks hooks, QObject* parent)
    : QObject(parent), doc_(doc), w_(widgets), hooks_(std::move(hooks)) {
  connect(w_.bankBar, &QScrollBar::valueChanged, this, &TextNavigator::bankChanged);
  connect(w_.list, &QListWidget::currentRowChanged, this, &TextNavigator::textSelected);
  connect(w_.filter, &QComboBox::currentIndexChanged, this, [this] { relabel(); });
}

void TextNavigator::startAtFirstText() {
  shown_ = {};
  {
    const QSignalBlocker quiet(w_.bankBar);
    w_.bankBar->setValue(1);
  }
  hooks_.textShown();
  fill();
}

// Each row starts with the text's number, a "*" after it when the text differs from its original.
void TextNavigator::fill() {
  w_.list->clear();
  if (shown_.AktuelleBank < 1 || shown_.AktuelleBank > kBankCount) return;
  const int count = doc_.BankInfo[shown_.AktuelleBank].TextCount;
  for (int t = 1; t <= count; ++t) labelRow(new QListWidgetItem(w_.list), t);
  w_.list->setCurrentRow(shown_.AktuellerText - 1);  // shows the text as if it had been clicked
  hooks_.listFilled();
}

void TextNavigator::relabel() {
  for (int row = 0; row < w_.list->count(); ++row) labelRow(w_.list->item(row), row + 1);
  if (QListWidgetItem* current = w_.list->currentItem()) w_.list->scrollToItem(current);
}

void TextNavigator::relabel(int text) {
  if (QListWidgetItem* item = w_.list->item(text - 1)) labelRow(item, text);
}

void TextNavigator::labelRow(QListWidgetItem* item, int text) const {
  const TextPaar& pair = doc_.Texte[shown_.AktuelleBank][text];
  const bool changed = pair.Aktuell != pair.Original;
  item->setText(QString::number(text) + (changed ? QStringLiteral("* ") : QStringLiteral("  ")) + ToQt(pair.Aktuell));
  item->setData(Qt::UserRole, changed);
  item->setForeground(changed ? QBrush(QColor(0, 70, 160)) : QBrush());
  const TextStatus status = ProgressOf(doc_, shown_.AktuelleBank, text).status;
  item->setIcon(progress::StatusMark(status));
  const int want = w_.filter->currentIndex();
  item->setHidden(want == 1 || want == 2 ? changed != (want == 1) : !progress::StatusWanted(want - 3, status));
}

void TextNavigator::bankChanged(int bank) {
  if (bank != shown_.AktuelleBank && !leaving_ && !hooks_.leaveText()) {
    const QSignalBlocker stay(w_.bankBar);
    w_.bankBar->setValue(shown_.AktuelleBank);
    return;
  }
  shown_.AktuellerText = 1;
  shown_.AktuelleBank = bank;
  hooks_.textShown();
  fill();
}

void TextNavigator::textSelected(int row) {
  if (row < 0) return;  // the list was just emptied
  if (row != shown_.AktuellerText - 1 && !leaving_ && !hooks_.leaveText()) {
    const QSignalBlocker stay(w_.list);
    w_.list->setCurrentRow(shown_.AktuellerText - 1);
    return;
  }
  shown_.AktuellerText = row + 1;
  hooks_.textShown();
  w_.frame->setTitle(QStringLiteral("Bank:") + ToQt(SignedLabelNumber(w_.bankBar->value())) +
                     QStringLiteral("     Text:") + ToQt(SignedLabelNumber(row + 1)));
}

void TextNavigator::showBankText(int bank, int textIndex0) {
  if (!hooks_.leaveText()) return;
  leaving_ = true;
  w_.bankBar->setValue(bank);
  w_.list->setCurrentRow(textIndex0);
  leaving_ = false;
}

void TextNavigator::moveText(int step) {
  for (int row = w_.list->currentRow() + step; row >= 0 && row < w_.list->count(); row += step)
    if (!w_.list->item(row)->isHidden()) return w_.list->setCurrentRow(row);
}

void TextNavigator::moveBank(int step) {
  if (w_.bankBar->isEnabled()) w_.bankBar->setValue(w_.bankBar->value() + step);
}

void TextNavigator::goTo(QWidget* parent) {
  if (!w_.bankBar->isEnabled()) return;
  GoToDialog dialog(doc_, shown_, parent);
  if (dialog.exec() == QDialog::Accepted) showBankText(dialog.bank(), dialog.text() - 1);
}

}  // namespace orvane::shell
