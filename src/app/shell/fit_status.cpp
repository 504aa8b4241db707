#include "shell/fit_status.h"

#include <QLabel>

#include "writer/encoder.h"

namespace orvane::shell {

namespace {

QLabel* AddLabel(QStatusBar* bar, const char* name) {
  auto* label = new QLabel(bar);
  label->setObjectName(QString::fromLatin1(name));
  bar->addWidget(label);
  return label;
}

}  // namespace

FitStatus::FitStatus(const Document& doc, QWidget* parent)
    : QStatusBar(parent), doc_(doc), text_(AddLabel(this, "FitText")), bank_(AddLabel(this, "FitBank")),
      changed_(AddLabel(this, "FitChanged")) {
  setObjectName(QStringLiteral("FitStatus"));
  setSizeGripEnabled(true);
}

void FitStatus::reset() {
  fit_.reset();
  encoder_.reset();
  const int bank = doc_.AktuelleBank;
  if (bank < 1 || bank > kBankCount || doc_.BankInfo[bank].TextCount < 1) {
    figures_ = {};
    for (QLabel* label : {text_, bank_, changed_}) label->clear();
    return;
  }
  table_ = doc_.Tabelle[1];
  encoder_ = std::make_unique<Encoder>(SaveEncoder(doc_));
  fit_ = std::make_unique<BankFit>(doc_, *encoder_, bank);
  typed(doc_.Texte[bank][doc_.AktuellerText].Aktuell);
}

void FitStatus::stored(int text) {
  if (fit_ && fit_->bank() == doc_.AktuelleBank && table_ == doc_.Tabelle[1]) fit_->Refresh(text);
  else reset();
}

void FitStatus::typed(const std::string& typed) {
  // The dictionary is part of the encoder: a changed one measures the bank anew.
  if (!fit_ || fit_->bank() != doc_.AktuelleBank || table_ != doc_.Tabelle[1]) {
    reset();
    if (!fit_) return;
  }
  figures_ = fit_->With(doc_.AktuellerText, typed);
  show();
}

void FitStatus::show() {
  const BankFit::Figures& f = figures_;
  text_->setText(tr("Text %1: %2 bytes").arg(doc_.AktuellerText).arg(f.textBytes));
  const bool over = f.free() < 0;
  bank_->setText(tr("Bank %1: %2 of %3 bytes used, ").arg(fit_->bank()).arg(f.used).arg(f.capacity) +
                 (over ? tr("%1 bytes too many").arg(-f.free()) : tr("%1 free").arg(f.free())));
  bank_->setStyleSheet(over ? QStringLiteral("color: red; font-weight: bold") : QString());
  changed_->setText(tr("%1 of %2 texts changed").arg(f.changed).arg(f.texts));
}

}  // namespace orvane::shell
