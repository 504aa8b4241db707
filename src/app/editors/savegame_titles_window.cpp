#include "editors/savegame_titles_window.h"

#include "document.h"
#include "document_change.h"
#include "text_places.h"

namespace orvane::editors {

SavegameTitlesWindow::SavegameTitlesWindow(Document& doc, ChangeSink& changes, Prompter& prompter, QWidget* parent)
    : NameListEditor(doc, changes, prompter,
                     {"Speichernamen", "Savegame Titles", "Warning!!!", "Text1", "SPNamen",
                      NameLimit(TextList::SaveTitles), false, TextList::SaveTitles, 1},
                     parent) {
  usePlainLayout();
  fill({doc.SpeicherNamen.begin() + 1, doc.SpeicherNamen.end()});
}

void SavegameTitlesWindow::store(DocumentChange& change) { storeList(change, TextList::SaveTitles, 1, names()); }

}  // namespace orvane::editors
