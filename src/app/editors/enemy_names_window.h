#pragma once
// "Enemys": GegnerNamen 0..250, at most 11 characters typed. Its "Save" pads every name to 11
// characters and does not mark the document as changed.

#include "editors/name_list_editor.h"

namespace orvane::editors {

class EnemyNamesWindow : public NameListEditor {
  Q_OBJECT

 public:
  EnemyNamesWindow(Document& doc, ChangeSink& changes, Prompter& prompter, QWidget* parent = nullptr);

 protected:
  void store(DocumentChange& change) override;
};

}  // namespace orvane::editors
