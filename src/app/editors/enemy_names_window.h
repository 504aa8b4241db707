#pragma once
// "Enemys": GegnerNamen 0..250, at most 11 characters typed. Its "Save" pads every name to 11
// characters and does not mark the document as changed.

#include "editors/name_list_editor.h"

namespace orvane::editors {

class Gegnereditor : public NameListEditor {
  Q_OBJECT

 public:
  Gegnereditor(Document& doc, Prompter& prompter, QWidget* parent = nullptr);

 protected:
  void store() override;
};

}  // namespace orvane::editors
