#pragma once
// "Locations": the location names StadtNamen 1..111.

#include "editors/name_list_editor.h"

namespace orvane::editors {

class Stadt : public NameListEditor {
  Q_OBJECT

 public:
  Stadt(Document& doc, Prompter& prompter, QWidget* parent = nullptr);

 protected:
  void store() override;
};

}  // namespace orvane::editors
