#pragma once
// "Savegame Titles": SpeicherNamen 1..27, at most 25 characters typed.

#include "editors/name_list_editor.h"

namespace orvane::editors {

class SavegameTitlesWindow : public NameListEditor {
  Q_OBJECT

 public:
  SavegameTitlesWindow(Document& doc, ChangeSink& changes, Prompter& prompter, QWidget* parent = nullptr);

 protected:
  void store(DocumentChange& change) override;
};

}  // namespace orvane::editors
