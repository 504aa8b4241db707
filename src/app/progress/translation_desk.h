#pragma once
// The translator's side of the main window: each text's status, the note of the shown text,
// "Reviewed", the progress in the status bar and spelling (underlined in the editor pane, a language
// menu, and on request every misspelled word of the project in the problems list). The main window
// calls in at the points named below; everything else stays here.

#include <QObject>
#include <functional>
#include <memory>
#include <string>

#include "document.h"
#include "document_change.h"
#include "editors/shown_text.h"
#include "spelling/spelling_scan.h"

class QAction;
class QLabel;
class QListWidget;
class QMainWindow;
class QMenu;
class QTextEdit;
class QVBoxLayout;
class QPushButton;
class QStatusBar;

namespace orvane::editors {
class EditorPane;
class UnwritableMarks;
}  // namespace orvane::editors

namespace orvane::progress {

class SpellHighlighter;

class TranslationDesk : public QObject {
  Q_OBJECT
 public:
  struct Hooks {
    std::function<bool()> saveText;  // the main window's "Save"; false unless it stored a text the table can write
    std::function<void(int bank, int row)> showText;  // show a text as the search does
    std::function<void()> relabelRows;              // marks and filter of the text list anew
    std::function<void()> refreshProblems;          // the problems list anew
  };
  // Statuses, notes and words reach the document through `changes`; `shown` is the main window's text.
  TranslationDesk(Document& doc, ChangeSink& changes, const editors::ShownText& shown, QMainWindow* window,
                  QListWidget* list, editors::EditorPane* pane, Hooks hooks);
  ~TranslationDesk() override;

  // The progress figures go into `bar` (the window's status bar, once it has its final one).
  void attachStatusBar(QStatusBar* bar);

  // The bank's and the project's figures in the status bar.
  void showProgress();
  // After a text was shown: its note and status.
  void textShown();
  // After "Save" stored the pane into the shown text (and moved its status on).
  void textSaved();
  // After "Save" and on to the next text: the text counts as translated.
  void textDone(int bank, int text);
  // After a load, an import or a name window's "Save": the spelling scan takes the names anew.
  void documentLoaded();
  // The scan whose misspelled words the problems list shows: none while spelling is off or the
  // View menu leaves them out.
  SpellingScan* problemsScan();
  // The Translation panel's column, for the parts that show more about the shown text.
  QVBoxLayout* panel() const { return panel_; }

  // The shown text is reviewed; the pane is saved first, then the next text is shown.
  void markReviewed();
  // The pieces the table cannot write are marked in the editor pane beside the misspelled words.
  void markUnwritable(editors::UnwritableMarks* marks);

 private:
  void buildDock(QMainWindow* window);
  void buildMenu(QMainWindow* window);
  // Spelling in `language` ("en_US"), or none for an empty one; remembered for the next run.
  void setLanguage(const QString& language);
  void statusChanged();
  void noteTyped();
  void paneMenu(const QPoint& at);
  void addWord(const std::string& word);
  SpellingScan* scan();
  bool shownText(int& bank, int& text) const;

  Document& doc_;
  ChangeSink& changes_;
  const editors::ShownText& shown_;
  QListWidget* list_;
  editors::EditorPane* pane_;
  Hooks hooks_;
  std::unique_ptr<SpellChecker> checker_;
  std::unique_ptr<SpellingScan> scan_;
  SpellHighlighter* highlighter_ = nullptr;
  bool showingNote_ = false;

  QVBoxLayout* panel_ = nullptr;
  QLabel* status_ = nullptr;
  QPushButton* reviewed_ = nullptr;
  QTextEdit* note_ = nullptr;
  QLabel* progress_ = nullptr;
  QMenu* spelling_ = nullptr;
  QAction* spellingInProblems_ = nullptr;
};

}  // namespace orvane::progress
