#pragma once
// The editor pane and what works on it: showing the chosen text beside its original, "Save" (also
// with the step to the next text), "Revert" (the typing discarded), "Back to the Original", the
// question before typed text would be left, and the ROM pane's Hide. A text is stored only when it
// was typed in: looking at a text never changes it.

#include <QObject>
#include <string>

#include "common/prompter.h"
#include "document.h"
#include "document_change.h"

class QLabel;
class QPushButton;
class QWidget;

namespace orvane::editors {
class EditorPane;
}

namespace orvane::progress {
class ConsistencyDesk;
class TranslationDesk;
}  // namespace orvane::progress

namespace orvane::shell {

class FitStatus;
class ProblemList;
class TextNavigator;

class TextEditing : public QObject {
  Q_OBJECT
 public:
  struct Widgets {
    editors::EditorPane* pane;
    editors::EditorPane* romPane;
    QWidget* panes;         // the two panes and the "Original:" label
    QLabel* originalLabel;
    QPushButton* save;
    QPushButton* revert;
    QPushButton* hide;
  };
  struct Parts {
    TextNavigator* navigator;
    FitStatus* fit;
    progress::TranslationDesk* desk;
    progress::ConsistencyDesk* consistency;
    ProblemList* problems;
  };
  TextEditing(Document& doc, ChangeSink& changes, Prompter& prompter, std::string title, Widgets widgets,
              QObject* parent);
  void attach(Parts parts) { parts_ = parts; }

  // Another text was chosen: both panes show it (ZeigeText).
  void showText();
  // The document changed under the pane (an undo, an import): an untouched pane shows the text anew.
  void follow();
  // Before the shown text is left: when the pane holds typing, asks whether to save it; false when
  // the user chose to stay.
  bool leaveText();
  // "Save": false when nothing was stored because the user chose to keep the text as typed.
  bool saveText();
  void saveAndNext();
  void revert();
  void backToOriginal();
  void toggleRomPane();
  void layoutPanes();
  bool textShown() const;

 private:
  void store(bool unwritable);

  Document& doc_;
  ChangeSink& changes_;
  Prompter& prompter_;
  std::string title_;
  Widgets w_;
  Parts parts_{};
};

}  // namespace orvane::shell
