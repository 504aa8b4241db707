#include "editors/enemy_names_window.h"

#include <QFont>
#include <QLineEdit>
#include <QListWidget>

#include "document.h"
#include "text_places.h"

namespace orvane::editors {

Gegnereditor::Gegnereditor(Document& doc, Prompter& prompter, QWidget* parent)
    : NameListEditor(doc, prompter,
                     {"Gegnereditor", "Enemys", "Warning!!!", "NeuerName", "Speichern", NameLimit(TextList::Enemies),
                      false, false, TextList::Enemies, 0},
                     parent) {
  const QFont arial("Arial");
  nameBox_->setFont(arial);
  list_->setFont(arial);
  usePlainLayout();
  fill({doc.GegnerNamen.begin(), doc.GegnerNamen.end()});
}

void Gegnereditor::store() {
  for (size_t i = 0; i < names().size(); ++i) {
    std::string name = names()[i];
    // A longer name (only a project file can bring one) is kept whole.
    if (const auto width = static_cast<size_t>(RecordLength(TextList::Enemies)); name.size() < width)
      name.resize(width, ' ');
    doc_.GegnerNamen[i] = std::move(name);
  }
}

}  // namespace orvane::editors
