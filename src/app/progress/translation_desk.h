#pragma once
// The translator's side of the main window: each text's status as a mark in the text list, the note of the shown text, "Reviewed", the progress in the status bar, spelling
// (underlined in the editor pane, a language menu) and the checks list with the renamed names
// still used in the dialogue and the misspelled words. The main window calls in at the points
// named below; everything else stays here.

#include <QObject>
#include <functional>
#include <memory>
#include <string>

#include "document.h"
#include "spelling/spelling_scan.h"

class QAction;
class QLabel;
class QListWidget;
class QMainWindow;
class QMenu;
class QTextEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;

namespace orvane::editors {
class EditorPane;
}

namespace orvane::progress {

class SpellHighlighter;

class TranslationDesk : public QObject {
  Q_OBJECT
 public:
  struct Hooks {
    std::function<void()> saveText;                 // the main window's "Save"
    std::function<void(int bank, int row)> showText;  // show a text as the search does
  };
  TranslationDesk(Document& doc, QMainWindow* window, QListWidget* list, editors::EditorPane* pane, Hooks hooks);
  ~TranslationDesk() override;

  // The progress figures go into `bar` (the window's status bar, once it has its final one).
  void attachStatusBar(QStatusBar* bar);

  // After the text list was filled: marks and filter for every row, the progress figures.
  void markRows();
  // After a text was shown: its note and status.
  void textShown();
  // After "Save" stored the pane into the shown text, which held `before`.
  void textSaved(const std::string& before);
  // After "Save" and on to the next text: the text counts as translated.
  void textDone(int bank, int text);
  // After a load or an import: the checks start over.
  void documentLoaded();

  // The shown text is reviewed; the pane is saved first, then the next text is shown.
  void markReviewed();
  // Spelling in `language` ("en_US"), or none for an empty one; remembered for the next run.
  void setLanguage(const QString& language);
  // Fills the checks list anew.
  void refreshChecks();

 private:
  void buildDock(QMainWindow* window);
  void buildMenu(QMainWindow* window);
  void markRow(int row);
  void showProgress();
  void noteTyped();
  void paneMenu(const QPoint& at);
  void addWord(const std::string& word);
  SpellingScan* scan();
  bool shownText(int& bank, int& text) const;

  Document& doc_;
  QListWidget* list_;
  editors::EditorPane* pane_;
  Hooks hooks_;
  std::unique_ptr<SpellChecker> checker_;
  std::unique_ptr<SpellingScan> scan_;
  SpellHighlighter* highlighter_ = nullptr;
  bool showingNote_ = false;

  QLabel* status_ = nullptr;
  QPushButton* reviewed_ = nullptr;
  QTextEdit* note_ = nullptr;
  QLabel* progress_ = nullptr;
  QTreeWidget* checks_ = nullptr;
  QMenu* spelling_ = nullptr;
  QAction* spellingInChecks_ = nullptr;
};

}  // namespace orvane::progress
