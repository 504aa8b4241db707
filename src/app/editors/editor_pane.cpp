#include "editors/editor_pane.h"

#include <QTextCursor>

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextLayout>

#include "rom/display_form.h"
#include "widgets/qt_cp1252.h"

namespace orvane::editors {

EditorPane::EditorPane(QWidget* parent) : QTextEdit(parent) {
  setAcceptRichText(false);
  setLineWrapMode(QTextEdit::FixedColumnWidth);
  setLineWrapColumnOrWidth(static_cast<int>(kPaneColumns));
  // A word longer than a line is cut where the line ends, as an edit box does.
  setWordWrapMode(QTextOption::WordWrap);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setTabChangesFocus(true);  // a tab character has no code in any table
  // Lines end at the column count, so there is nothing to scroll sideways to; a very wide font
  // still follows the cursor.
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  font.setBold(true);
  font.setPointSizeF(15.75);
  setFont(font);
  shell::GuardTextEdit(this);
  // QTextEdit narrows the page to the viewport again whenever its scroll bars change.
  connect(document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
          &EditorPane::keepColumnsWide);
  keepColumnsWide();
}

void EditorPane::resizeEvent(QResizeEvent* event) {
  QTextEdit::resizeEvent(event);
  keepColumnsWide();
}

void EditorPane::changeEvent(QEvent* event) {
  QTextEdit::changeEvent(event);
  if (event->type() == QEvent::FontChange) keepColumnsWide();
}

// The text layout also breaks a line where it leaves the page, and QTextEdit makes the page as
// wide as the viewport; a page wider than any 42 characters of the font leaves the column count
// as the only rule.
void EditorPane::keepColumnsWide() {
  if (lineWrapMode() != QTextEdit::FixedColumnWidth) return;
  const qreal columns = QFontMetricsF(font()).maxWidth() * static_cast<qreal>(kPaneColumns + 1) + 2 * document()->documentMargin();
  const qreal width = std::max<qreal>(viewport()->width(), columns);
  if (document()->pageSize().width() < width) document()->setPageSize(QSizeF(width, -1));
}

void EditorPane::showStored(const std::string& stored) {
  storedShown_ = stored;
  shown_ = shell::ToQt(DisplayForm(stored)).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  setPlainText(shown_);
  shown_ = toPlainText();
}

void EditorPane::typeStored(const std::string& stored) {
  QTextCursor cursor(document());
  cursor.beginEditBlock();
  cursor.select(QTextCursor::Document);
  cursor.insertText(shell::ToQt(DisplayForm(stored)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  cursor.endEditBlock();
}

std::string EditorPane::storedText() const { return edited() ? StoredFromLines(displayedLines()) : storedShown_; }

std::vector<std::string> EditorPane::displayedLines() const {
  std::vector<std::string> lines;
  QTextDocument* doc = document();
  for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
    doc->documentLayout()->blockBoundingRect(block);  // makes sure the block is laid out
    const QString text = block.text();
    const QTextLayout* layout = block.layout();
    if (!layout || layout->lineCount() == 0) {
      lines.push_back(shell::FromQt(text));
      continue;
    }
    for (int i = 0; i < layout->lineCount(); ++i) {
      const QTextLine line = layout->lineAt(i);
      QString piece = text.mid(line.textStart(), line.textLength());
      if (piece.endsWith(QChar::LineSeparator)) piece.chop(1);  // a Shift+Enter break
      lines.push_back(shell::FromQt(piece));
    }
  }
  return lines;
}

}  // namespace orvane::editors
