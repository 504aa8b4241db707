#pragma once
// "Technic&Magic": TechNamen 0..115 with their descriptions TechBeschreibungen 0..119 (description k
// belongs to name k). Its "Save" does not mark the document as changed.

#include "editors/name_list_editor.h"

namespace orvane::editors {

inline constexpr int kTechNameLimit = 11;
inline constexpr int kTechInfoLimit = 40;

class Techniken : public NameListEditor {
  Q_OBJECT

 public:
  Techniken(Document& doc, Prompter& prompter, QWidget* parent = nullptr);

 protected:
  void showEntryExtras(int row) override;
  void store() override;

 private:
  void descriptionTyped(const QString& text);

  QLineEdit* description_;
  TypingLimit* descriptionLimit_;
  std::vector<std::string> descriptions_;
};

}  // namespace orvane::editors
