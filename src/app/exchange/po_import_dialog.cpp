#include "exchange/po_import_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvane::exchange {

namespace {

QString Advice(const PoImportPlan& plan) {
  if (plan.fileRefused) return QStringLiteral("The file cannot be imported.");
  if (plan.changes.empty()) return QStringLiteral("Nothing would change.");
  if (plan.refused > 0) return QStringLiteral("The refused entries are left out; the others can be imported.");
  return QStringLiteral("Every entry can be imported.");
}

}  // namespace

PoImportDialog::PoImportDialog(const PoImportPlan& plan, const QString& fileName, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("PoImportDialog"));
  setWindowTitle(QStringLiteral("Import Translation (PO)"));
  auto* layout = new QVBoxLayout(this);

  summary_ = new QLabel(QString::fromStdString(ImportSummary(plan)) + QStringLiteral(". ") + Advice(plan), this);
  summary_->setObjectName(QStringLiteral("Summary"));
  summary_->setWordWrap(true);
  layout->addWidget(summary_);

  findings_ = new QListWidget(this);
  findings_->setObjectName(QStringLiteral("Findings"));
  for (const PoFinding& finding : plan.findings)
    findings_->addItem(QString::fromStdString(FindingLine(fileName.toStdString(), finding)));
  findings_->setVisible(!plan.findings.empty());
  layout->addWidget(findings_, 1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
  import_ = buttons->addButton(plan.refused > 0 ? QStringLiteral("Import the Good Entries") : QStringLiteral("Import"),
                               QDialogButtonBox::AcceptRole);
  import_->setObjectName(QStringLiteral("ImportButton"));
  import_->setEnabled(!plan.fileRefused && !plan.changes.empty());
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(640, plan.findings.empty() ? 140 : 400);
}

}  // namespace orvane::exchange
