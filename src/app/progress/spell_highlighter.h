#pragma once
// Underlines the misspelled words of the text shown in the editor pane, block by block as Qt draws
// them; the check itself is the core's (one text, no whole-project work while typing).

#include <QSyntaxHighlighter>
#include <functional>
#include <string>
#include <vector>

#include "spelling/word_splitter.h"

namespace orvane::progress {

class SpellHighlighter : public QSyntaxHighlighter {
  Q_OBJECT
 public:
  // `check` gives the misspelled words of an 8-bit line; an empty function checks nothing.
  using Check = std::function<std::vector<WordSpan>(const std::string&)>;
  SpellHighlighter(QTextDocument* document, Check check);
  void setCheck(Check check);

 protected:
  void highlightBlock(const QString& text) override;

 private:
  Check check_;
};

}  // namespace orvane::progress
