#pragma once
// "Savegame Titles": SpeicherNamen 1..27, at most 25 characters typed.

#include "editors/name_list_editor.h"

namespace orvane::editors {

class Speichernamen : public NameListEditor {
  Q_OBJECT

 public:
  Speichernamen(Document& doc, Prompter& prompter, QWidget* parent = nullptr);

 protected:
  void store() override;
};

}  // namespace orvane::editors
