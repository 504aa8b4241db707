#pragma once
// The pieces of the editor pane's text that the table cannot write, found with the encoder of the
// live fit: the spans of a line for the pane's highlighter, the tool tip over one of them, and the
// question before such a text is stored.

#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "spelling/word_splitter.h"

class QTextEdit;

namespace orvane {
class Encoder;
class Prompter;
}  // namespace orvane

namespace orvane::editors {

class UnwritableMarks : public QObject {
  Q_OBJECT
 public:
  // `encoder` gives the encoder the next save writes with; nothing while no text is shown.
  using EncoderOf = std::function<const Encoder*()>;
  UnwritableMarks(QTextEdit* pane, EncoderOf encoder);

  // The pieces of one line of the pane the table cannot write.
  std::vector<WordSpan> spans(const std::string& line) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTextEdit* pane_;
  EncoderOf encoder_;
};

// "This text has characters the table cannot write: ü, ä. Save it anyway?"; true on Yes.
bool SaveUnwritableAnyway(Prompter& prompter, const std::string& title, const std::vector<std::string>& pieces);

}  // namespace orvane::editors
