#include "editors/locations_window.h"

#include "document.h"
#include "document_change.h"

namespace orvane::editors {

LocationsWindow::LocationsWindow(Document& doc, ChangeSink& changes, Prompter& prompter, QWidget* parent)
    : NameListEditor(doc, changes, prompter,
                     {"Stadt", "Locations", "Warning!", "Text1", "StadtSpeichern", 0, false,
                      TextList::Locations, 1}, parent) {
  usePlainLayout();
  fill({doc.StadtNamen.begin() + 1, doc.StadtNamen.end()});
}

void LocationsWindow::store(DocumentChange& change) { storeList(change, TextList::Locations, 1, names()); }

}  // namespace orvane::editors
