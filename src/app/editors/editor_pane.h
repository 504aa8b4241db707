#pragma once
// One of the two text panes of the main window. It wraps at a fixed number of columns whatever the
// font, the way a word-wrapping edit box does, so the lines "Save" reads do not depend on the font.

#include <QTextEdit>
#include <string>
#include <vector>

namespace orvane::editors {

class EditorPane : public QTextEdit {
  Q_OBJECT
 public:
  explicit EditorPane(QWidget* parent = nullptr);

  // Shows a text given in its stored form (line and window codes become line breaks).
  void showStored(const std::string& stored);
  // Puts a stored text into the pane as typing would, in one edit the pane's own undo takes back.
  void typeStored(const std::string& stored);
  // The pane holds other text than showStored() last put into it.
  bool edited() const { return toPlainText() != shown_; }
  // The text as "Save" stores it: untouched, exactly the text showStored() was given, so that
  // looking at a text never changes it.
  std::string storedText() const;

  // The lines as the pane displays them: every wrapped piece is a line of its own, without its
  // break; the blank at a wrap point stays at the end of the first piece.
  std::vector<std::string> displayedLines() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void keepColumnsWide();

  QString shown_;
  std::string storedShown_;
};

}  // namespace orvane::editors
