#include "editors/techniques_window.h"

#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "document.h"
#include "document_change.h"
#include "text_places.h"

namespace orvane::editors {

TechniquesWindow::TechniquesWindow(Document& doc, ChangeSink& changes, Prompter& prompter, QWidget* parent)
    : NameListEditor(
          doc, changes, prompter,
          {"Techniken", "Technic&Magic", "Warning!", "Text1", "Command1", NameLimit(TextList::TechNames), true,
           TextList::TechNames, 0},
          parent) {
  auto* listFrame = new QGroupBox(tr("Select Tech"), this);
  listFrame->setObjectName("Frame1");
  (new QVBoxLayout(listFrame))->addWidget(list_);
  auto* nameFrame = new QGroupBox(tr("Edit Techname"), this);
  nameFrame->setObjectName("Frame2");
  (new QVBoxLayout(nameFrame))->addWidget(nameRow());
  auto* infoFrame = new QGroupBox(tr("Tech-Info"), this);
  infoFrame->setObjectName("Frame3");
  QLineEdit* description = addDescriptionBox("Text2", NameLimit(TextList::TechInfos), true,
                                             {doc.TechBeschreibungen.begin(), doc.TechBeschreibungen.end()}, 0);
  description->setFont(QFont("Times New Roman"));
  // Room for the whole description, typed in wide lower-case letters.
  description->setMinimumWidth(
      description->fontMetrics().horizontalAdvance(QString(NameLimit(TextList::TechInfos), QLatin1Char('m'))) + 12);
  (new QVBoxLayout(infoFrame))->addWidget(description);

  auto* right = new QVBoxLayout;
  right->addWidget(nameFrame);
  right->addWidget(infoFrame);
  right->addStretch(1);
  right->addWidget(saveButton_);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(listFrame, 1);
  layout->addLayout(right, 1);

  fill({doc.TechNamen.begin(), doc.TechNamen.end()});
}

void TechniquesWindow::store(DocumentChange& change) {
  storeList(change, TextList::TechNames, 0, names());
  storeList(change, TextList::TechInfos, 0, descriptions());
}

}  // namespace orvane::editors
