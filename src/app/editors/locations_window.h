#pragma once
// "Locations": the location names StadtNamen 1..111.

#include "editors/name_list_editor.h"

namespace orvane::editors {

class LocationsWindow : public NameListEditor {
  Q_OBJECT

 public:
  LocationsWindow(Document& doc, ChangeSink& changes, Prompter& prompter, QWidget* parent = nullptr);

 protected:
  void store(DocumentChange& change) override;
};

}  // namespace orvane::editors
