#pragma once
// What the player will see, as a part of the main window: the "Preview" dock, which follows the
// editor pane as it is typed, and two entries of the Editor menu: "Reflow Text" lays the pane's text
// out anew (one undo step of the pane, stored only by "Save"), "Reflow Bank…" every text of the shown
// bank in the document, after a question that says how many change.

#include <QObject>
#include <functional>

#include "editors/shown_text.h"

class QAction;
class QMainWindow;
class QMenu;

namespace orvane {
class ChangeSink;
class Document;
class Prompter;
}  // namespace orvane

namespace orvane::editors {
class EditorPane;
}

namespace orvane::preview {

class PreviewDock;

class TextPreview : public QObject {
  Q_OBJECT
 public:
  struct Hooks {
    std::function<bool()> leaveText;     // the question about the pane's unsaved typing; false to stay
    std::function<void()> textsChanged;  // texts of the shown bank changed in the document
  };
  // Adds the dock and its View entry to `window`, the two entries to its Editor menu.
  TextPreview(Document& doc, ChangeSink& changes, const editors::ShownText& shown, Prompter& prompter,
              QMainWindow* window, editors::EditorPane* pane, Hooks hooks);

  PreviewDock* dock() const { return dock_; }

 private:
  bool textShown() const;
  void follow();
  void reflowText();
  void reflowBank();

  Document& doc_;
  ChangeSink& changes_;
  const editors::ShownText& shown_;
  Prompter& prompter_;
  editors::EditorPane* pane_;
  Hooks hooks_;
  PreviewDock* dock_;
  QMenu* editorMenu_;
};

}  // namespace orvane::preview
