#pragma once
// "Technic&Magic": TechNamen 0..115 with their descriptions TechBeschreibungen 0..119 (description k
// belongs to name k). Its "Save" does not mark the document as changed.

#include "editors/name_list_editor.h"

namespace orvane::editors {

class TechniquesWindow : public NameListEditor {
  Q_OBJECT

 public:
  TechniquesWindow(Document& doc, ChangeSink& changes, Prompter& prompter, QWidget* parent = nullptr);

 protected:
  void store(DocumentChange& change) override;
};

}  // namespace orvane::editors
