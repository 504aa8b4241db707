#include "editors/search_dialog.h"

#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/cp1252.h"

namespace orvane::editors {

using shell::FromQt;
using shell::ToQt;

SearchDialog::SearchDialog(const Document& doc, ShowText showText, QWidget* parent)
    : QDialog(parent),
      doc_(doc),
      showText_(std::move(showText)),
      field_(new QLineEdit(this)),
      results_(new QListWidget(this)) {
  setObjectName("SearchDialog");
  setWindowTitle(tr("Textsearch"));
  setModal(false);
  const QFont arial("Arial");

  auto* inputFrame = new QGroupBox(tr("Enter your text here"), this);
  inputFrame->setObjectName("Frame1");
  field_->setObjectName("Suchfeld");
  field_->setFont(arial);
  shell::GuardLineEdit(field_);
  auto* start = new QPushButton(tr("Search"), this);
  start->setObjectName("SucheStarten");
  auto* inputRow = new QHBoxLayout(inputFrame);
  inputRow->addWidget(field_, 1);
  inputRow->addWidget(start);

  auto* resultFrame = new QGroupBox(tr("Results"), this);
  resultFrame->setObjectName("Frame2");
  results_->setObjectName("ErgebnisListe");
  results_->setFont(arial);
  (new QVBoxLayout(resultFrame))->addWidget(results_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(inputFrame);
  layout->addWidget(resultFrame, 1);

  connect(start, &QPushButton::clicked, this, &SearchDialog::search);
  connect(results_, &QListWidget::itemDoubleClicked, this, &SearchDialog::jump);
}

void SearchDialog::search() {
  results_->clear();
  hits_ = SucheTexte(doc_, FromQt(field_->text(), nullptr));
  for (const TextHit& hit : hits_) results_->addItem(ToQt(HitLine(hit)));
  setWindowTitle(ToQt(SearchCaption(hits_.size())));
}

void SearchDialog::jump(QListWidgetItem* item) {
  const int row = results_->row(item);
  if (row < 0 || row >= static_cast<int>(hits_.size())) return;
  showText_(hits_[row].bank, hits_[row].text - 1);
}

}  // namespace orvane::editors
