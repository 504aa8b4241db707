#include "shell/fit_status.h"

#include <QLabel>

#include "check/unwritable.h"
#include "widgets/qt_cp1252.h"
#include "writer/encoder.h"

namespace orvane::shell {

namespace {

// " + 2 characters the table cannot write (ü, ä)", or nothing when there are none.
QString Unwritable(int count, const std::vector<std::string>& pieces) {
  if (count == 0) return {};
  return FitStatus::tr(" + %1 %2 the table cannot write (%3)")
      .arg(count)
      .arg(count == 1 ? FitStatus::tr("character") : FitStatus::tr("characters"))
      .arg(ToQt(ListedPieces(pieces)));
}

QLabel* AddLabel(QStatusBar* bar, const char* name) {
  auto* label = new QLabel(bar);
  label->setObjectName(QString::fromLatin1(name));
  label->setWordWrap(true);  // a long figure takes a second line rather than widening the window
  bar->addWidget(label);
  return label;
}

}  // namespace

FitStatus::FitStatus(const Document& doc, const editors::ShownText& shown, QWidget* parent)
    : QStatusBar(parent), doc_(doc), shown_(shown), text_(AddLabel(this, "FitText")), bank_(AddLabel(this, "FitBank")),
      changed_(AddLabel(this, "FitChanged")) {
  setObjectName(QStringLiteral("FitStatus"));
  setSizeGripEnabled(true);
}

void FitStatus::reset() {
  fit_.reset();
  encoder_.reset();
  const int bank = shown_.AktuelleBank;
  if (bank < 1 || bank > kBankCount || doc_.BankInfo[bank].TextCount < 1) {
    figures_ = {};
    for (QLabel* label : {text_, bank_, changed_}) label->clear();
    return;
  }
  table_ = doc_.Tabelle[1];
  encoder_ = std::make_unique<Encoder>(SaveEncoder(doc_));
  fit_ = std::make_unique<BankFit>(doc_, *encoder_, bank);
  typed(doc_.Texte[bank][shown_.AktuellerText].Aktuell);
}

void FitStatus::stored(int text) {
  if (fit_ && fit_->bank() == shown_.AktuelleBank && table_ == doc_.Tabelle[1]) fit_->Refresh(text);
  else reset();
}

const Encoder* FitStatus::encoder() {
  // The dictionary is part of the encoder: a changed one measures the bank anew.
  if (!fit_ || fit_->bank() != shown_.AktuelleBank || table_ != doc_.Tabelle[1]) reset();
  return encoder_.get();
}

void FitStatus::typed(const std::string& typed) {
  if (!encoder()) return;
  figures_ = fit_->With(shown_.AktuellerText, typed);
  show();
}

void FitStatus::show() {
  const BankFit::Figures& f = figures_;
  text_->setText(tr("Text %1: %2 bytes").arg(shown_.AktuellerText).arg(f.textBytes) +
                 Unwritable(f.textUnwritable, f.textPieces));
  const bool over = f.free() < 0;
  bank_->setText(tr("Bank %1: %2 of %3 bytes used").arg(fit_->bank()).arg(f.used).arg(f.capacity) +
                 Unwritable(f.bankUnwritable, f.bankPieces) + QStringLiteral(", ") +
                 (over ? tr("%1 bytes too many").arg(-f.free()) : tr("%1 free").arg(f.free())));
  bank_->setStyleSheet(over ? QStringLiteral("color: red; font-weight: bold") : QString());
  changed_->setText(tr("%1 of %2 texts changed").arg(f.changed).arg(f.texts));
}

}  // namespace orvane::shell
