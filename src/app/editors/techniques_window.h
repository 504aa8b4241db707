#pragma once
// "Technic&Magic": TechNamen 0..115 with their descriptions TechBeschreibungen 0..119 (description k
// belongs to name k). Its "Save" does not mark the document as changed.

#include "editors/name_list_editor.h"

namespace orvane::editors {

class Techniken : public NameListEditor {
  Q_OBJECT

 public:
  Techniken(Document& doc, Prompter& prompter, QWidget* parent = nullptr);

 protected:
  void store() override;
};

}  // namespace orvane::editors
