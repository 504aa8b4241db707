#include "editors/editor_pane.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>

#include "rom/display_form.h"
#include "shell/cp1252.h"

namespace orvane::editors {

EditorPane::EditorPane(QWidget* parent) : QTextEdit(parent) {
  setAcceptRichText(false);
  setLineWrapMode(QTextEdit::FixedColumnWidth);
  setLineWrapColumnOrWidth(kPaneColumns);
  // A word longer than a line is cut where the line ends, as an edit box does.
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  font.setBold(true);
  font.setPointSizeF(15.75);
  setFont(font);
  shell::GuardTextEdit(this);
}

void EditorPane::showStored(const std::string& stored) {
  setPlainText(shell::ToQt(DisplayForm(stored)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

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
