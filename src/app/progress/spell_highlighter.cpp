#include "progress/spell_highlighter.h"

#include "widgets/qt_cp1252.h"

namespace orvane::progress {

SpellHighlighter::SpellHighlighter(QTextDocument* document, Check check)
    : QSyntaxHighlighter(document), check_(std::move(check)) {}

void SpellHighlighter::setCheck(Check check) {
  check_ = std::move(check);
  rehighlight();
}

void SpellHighlighter::highlightBlock(const QString& text) {
  if (!check_) return;
  QTextCharFormat wrong;
  wrong.setUnderlineStyle(QTextCharFormat::WaveUnderline);
  wrong.setUnderlineColor(Qt::red);
  // One character per byte both ways, so the offsets carry over.
  for (const WordSpan& span : check_(shell::FromQt(text)))
    setFormat(static_cast<int>(span.start), static_cast<int>(span.length), wrong);
}

}  // namespace orvane::progress
