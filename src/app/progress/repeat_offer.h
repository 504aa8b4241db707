#pragma once
// Repeated lines filled from the status bar: after a text was saved as translated, the offer to
// give its translation to the other untranslated texts with the same original (Ctrl+Shift+U). The
// fill is one step: "Undo the fill" gives every text still as filled its former text and status.

#include <QWidget>
#include <functional>

#include "editors/shown_text.h"
#include "progress/repeat_fill.h"

class QLabel;
class QPushButton;

namespace orvane::editors {
class EditorPane;
}

namespace orvane::progress {

class RepeatOffer : public QWidget {
  Q_OBJECT
 public:
  // `changed` runs after the texts changed (the list, the problems and the figures anew).
  RepeatOffer(Document& doc, ChangeSink& changes, const editors::ShownText& shown, QWidget* window,
              editors::EditorPane* pane, std::function<void()> changed);

  // Text (bank, text) was saved as translated: offers its translation when it has repeats.
  void textDone(int bank, int text);
  // The document was replaced: nothing to offer or take back.
  void clear();

  void fill();
  void undo();

 private:
  void commit(DocumentChange change);

  Document& doc_;
  ChangeSink& changes_;
  const editors::ShownText& shown_;
  editors::EditorPane* pane_;
  std::function<void()> changed_;
  int bank_ = 0, text_ = 0;  // the text whose translation is offered
  DocumentChange filled_;    // the last fill, to be taken back
  QLabel* label_;
  QPushButton* button_;
};

}  // namespace orvane::progress
