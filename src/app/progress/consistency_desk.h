#pragma once
// Consistent translations in the main window: the "Similar texts" panel, the glossary terms of the
// shown text in the Translation panel, the offer to fill repeated lines in the status bar, and the
// Glossary window in the Editor menu. The translation desk calls in at the points named below.

#include <QObject>
#include <functional>

#include "common/file_chooser.h"
#include "common/prompter.h"
#include "document.h"
#include "document_change.h"
#include "editors/shown_text.h"

class QLabel;
class QMainWindow;
class QStatusBar;
class QVBoxLayout;

namespace orvane::editors {
class EditorPane;
}

namespace orvane::progress {

class RepeatOffer;
class SimilarPanel;

class ConsistencyDesk : public QObject {
  Q_OBJECT
 public:
  struct Hooks {
    std::function<void()> textsChanged;    // texts changed outside the pane: list, figures and problems anew
  };
  // The terms line goes into `translationPanel`.
  ConsistencyDesk(Document& doc, ChangeSink& changes, const editors::ShownText& shown, QMainWindow* window,
                  editors::EditorPane* pane, QVBoxLayout* translationPanel, Prompter& prompter, FileChooser& chooser,
                  Hooks hooks);

  void attachStatusBar(QStatusBar* bar);
  void textShown();
  // Text (bank, text) was saved as translated.
  void textDone(int bank, int text);
  void documentLoaded();

  void openGlossary();

 private:
  void textsChanged();

  Document& doc_;
  ChangeSink& changes_;
  const editors::ShownText& shown_;
  QMainWindow* window_;
  Prompter& prompter_;
  FileChooser& chooser_;
  Hooks hooks_;
  SimilarPanel* similar_;
  RepeatOffer* offer_;
  QLabel* terms_;
  bool changing_ = false;  // our own change is being shown, not a load
};

}  // namespace orvane::progress
