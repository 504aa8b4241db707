#include "progress/spell_highlighter.h"

#include "widgets/qt_cp1252.h"

namespace orvane::progress {

SpellHighlighter::SpellHighlighter(QTextDocument* document, Check check)
    : QSyntaxHighlighter(document), check_(std::move(check)) {}

void SpellHighlighter::setCheck(Check check) {
  check_ = std::move(check);
  rehighlight();
}

void SpellHighlighter::setUnwritableCheck(Check check) {
  unwritable_ = std::move(check);
  rehighlight();
}

void SpellHighlighter::highlightBlock(const QString& text) {
  if (!check_ && !unwritable_) return;
  // One character per byte both ways, so the offsets carry over.
  const std::string line = shell::FromQt(text);
  QTextCharFormat wrong;
  wrong.setUnderlineStyle(QTextCharFormat::WaveUnderline);
  wrong.setUnderlineColor(Qt::red);
  if (check_)
    for (const WordSpan& span : check_(line))
      setFormat(static_cast<int>(span.start), static_cast<int>(span.length), wrong);
  QTextCharFormat unwritable;
  unwritable.setUnderlineStyle(QTextCharFormat::SingleUnderline);
  unwritable.setUnderlineColor(QColor(0xE0, 0x6C, 0x00));
  unwritable.setBackground(QColor(0xFF, 0xE8, 0xC8));
  if (unwritable_)
    for (const WordSpan& span : unwritable_(line))
      setFormat(static_cast<int>(span.start), static_cast<int>(span.length), unwritable);
}

}  // namespace orvane::progress
