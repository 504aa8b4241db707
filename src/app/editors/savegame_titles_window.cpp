#include "editors/savegame_titles_window.h"

#include "document.h"
#include "text_places.h"

namespace orvane::editors {

Speichernamen::Speichernamen(Document& doc, Prompter& prompter, QWidget* parent)
    : NameListEditor(doc, prompter,
                     {"Speichernamen", "Savegame Titles", "Warning!!!", "Text1", "SPNamen",
                      NameLimit(TextList::SaveTitles), false, true, TextList::SaveTitles, 1},
                     parent) {
  usePlainLayout();
  fill({doc.SpeicherNamen.begin() + 1, doc.SpeicherNamen.end()});
}

void Speichernamen::store() { std::copy(names().begin(), names().end(), doc_.SpeicherNamen.begin() + 1); }

}  // namespace orvane::editors
