#pragma once
// Underlines, in the editor pane, the misspelled words and the pieces the table cannot write, block
// by block as Qt draws them. A document takes one highlighter, so both marks share this one; the
// checks themselves are the core's (one line, no whole-project work while typing).

#include <QSyntaxHighlighter>
#include <functional>
#include <string>
#include <vector>

#include "spelling/word_splitter.h"

namespace orvane::progress {

class SpellHighlighter : public QSyntaxHighlighter {
  Q_OBJECT
 public:
  // `check` gives the spans to mark in an 8-bit line; an empty function marks nothing.
  using Check = std::function<std::vector<WordSpan>(const std::string&)>;
  SpellHighlighter(QTextDocument* document, Check check);
  void setCheck(Check check);
  // The pieces the table cannot write, marked in a colour of their own over any spelling mark.
  void setUnwritableCheck(Check check);

 protected:
  void highlightBlock(const QString& text) override;

 private:
  Check check_;
  Check unwritable_;
};

}  // namespace orvane::progress
