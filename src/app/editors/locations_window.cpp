#include "editors/locations_window.h"

#include "document.h"

namespace orvane::editors {

Stadt::Stadt(Document& doc, Prompter& prompter, QWidget* parent)
    : NameListEditor(doc, prompter,
                     {"Stadt", "Locations", "Warning!", "Text1", "StadtSpeichern", 0, false, true,
                      TextList::Locations, 1}, parent) {
  usePlainLayout();
  fill({doc.StadtNamen.begin() + 1, doc.StadtNamen.end()});
}

void Stadt::store() { std::copy(names().begin(), names().end(), doc_.StadtNamen.begin() + 1); }

}  // namespace orvane::editors
