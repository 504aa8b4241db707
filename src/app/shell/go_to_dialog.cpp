#include "shell/go_to_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

namespace orvane::shell {

GoToDialog::GoToDialog(const Document& doc, const editors::ShownText& shown, QWidget* parent)
    : QDialog(parent), bank_(new QSpinBox(this)), text_(new QSpinBox(this)) {
  setObjectName(QStringLiteral("GoToDialog"));
  setWindowTitle(tr("Go to"));
  bank_->setObjectName(QStringLiteral("GoToBank"));
  text_->setObjectName(QStringLiteral("GoToText"));
  bank_->setRange(1, kBankCount);
  const auto fitText = [this, &doc](int bank) { text_->setRange(1, std::max(1, doc.BankInfo[bank].TextCount)); };
  connect(bank_, &QSpinBox::valueChanged, this, fitText);
  bank_->setValue(std::clamp(shown.AktuelleBank, 1, kBankCount));
  fitText(bank_->value());
  text_->setValue(shown.AktuellerText);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* form = new QFormLayout(this);
  form->addRow(tr("&Bank:"), bank_);
  form->addRow(tr("&Text:"), text_);
  form->addRow(buttons);
  text_->selectAll();
  text_->setFocus();
}

int GoToDialog::bank() const { return bank_->value(); }
int GoToDialog::text() const { return text_->value(); }

}  // namespace orvane::shell
