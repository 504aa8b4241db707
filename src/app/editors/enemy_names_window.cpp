#include "editors/enemy_names_window.h"

#include <QFont>
#include <QLineEdit>
#include <QListWidget>

#include "document.h"
#include "document_change.h"
#include "text_places.h"

namespace orvane::editors {

EnemyNamesWindow::EnemyNamesWindow(Document& doc, ChangeSink& changes, Prompter& prompter, QWidget* parent)
    : NameListEditor(doc, changes, prompter,
                     {"Gegnereditor", "Enemys", "Warning!!!", "NeuerName", "Speichern", NameLimit(TextList::Enemies),
                      false, TextList::Enemies, 0},
                     parent) {
  const QFont arial("Arial");
  nameBox_->setFont(arial);
  list_->setFont(arial);
  usePlainLayout();
  fill({doc.GegnerNamen.begin(), doc.GegnerNamen.end()});
}

void EnemyNamesWindow::store(DocumentChange& change) {
  std::vector<std::string> padded = names();
  // A longer name (only a project file can bring one) is kept whole.
  for (std::string& name : padded)
    if (const auto width = static_cast<size_t>(RecordLength(TextList::Enemies)); name.size() < width)
      name.resize(width, ' ');
  storeList(change, TextList::Enemies, 0, padded);
}

}  // namespace orvane::editors
