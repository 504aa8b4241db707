#include "editors/techniques_window.h"

#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "document.h"
#include "editors/typing_limit.h"
#include "shell/cp1252.h"

namespace orvane::editors {

using shell::FromQt;
using shell::ToQt;

Techniken::Techniken(Document& doc, Prompter& prompter, QWidget* parent)
    : NameListEditor(doc, prompter,
                     {"Techniken", "Technic&Magic", "Warning!", "Text1", "Command1", kTechNameLimit, true, false},
                     parent),
      description_(new QLineEdit(this)),
      descriptionLimit_(new TypingLimit(description_, kTechInfoLimit, true)) {
  auto* listFrame = new QGroupBox(tr("Select Tech"), this);
  listFrame->setObjectName("Frame1");
  (new QVBoxLayout(listFrame))->addWidget(list_);
  auto* nameFrame = new QGroupBox(tr("Edit Techname"), this);
  nameFrame->setObjectName("Frame2");
  (new QVBoxLayout(nameFrame))->addWidget(nameBox_);
  auto* infoFrame = new QGroupBox(tr("Tech-Info"), this);
  infoFrame->setObjectName("Frame3");
  description_->setObjectName("Text2");
  description_->setFont(QFont("Times New Roman"));
  shell::GuardLineEdit(description_);
  (new QVBoxLayout(infoFrame))->addWidget(description_);

  auto* right = new QVBoxLayout;
  right->addWidget(nameFrame);
  right->addWidget(infoFrame);
  right->addStretch(1);
  right->addWidget(saveButton_);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(listFrame, 1);
  layout->addLayout(right, 1);

  connect(description_, &QLineEdit::textChanged, this, &Techniken::descriptionTyped);
  descriptions_.assign(doc.TechBeschreibungen.begin(), doc.TechBeschreibungen.end());
  fill({doc.TechNamen.begin(), doc.TechNamen.end()});
}

void Techniken::showEntryExtras(int row) { descriptionLimit_->setText(ToQt(descriptions_[row])); }

void Techniken::descriptionTyped(const QString& text) {
  const int row = currentRow();
  if (row < 0) return;
  descriptions_[row] = FromQt(text, nullptr);
  markChanged();
}

void Techniken::store() {
  std::copy(names().begin(), names().end(), doc_.TechNamen.begin());
  std::copy(descriptions_.begin(), descriptions_.end(), doc_.TechBeschreibungen.begin());
}

}  // namespace orvane::editors
