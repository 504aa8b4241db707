#include "editors/unwritable_marks.h"

#include <QHelpEvent>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolTip>

#include "check/unwritable.h"
#include "common/prompter.h"
#include "widgets/qt_cp1252.h"

namespace orvane::editors {

UnwritableMarks::UnwritableMarks(QTextEdit* pane, EncoderOf encoder)
    : QObject(pane), pane_(pane), encoder_(std::move(encoder)) {
  pane_->viewport()->installEventFilter(this);
}

std::vector<WordSpan> UnwritableMarks::spans(const std::string& line) const {
  const Encoder* encoder = encoder_();
  if (!encoder) return {};
  std::vector<WordSpan> spans;
  for (const UnwritablePiece& piece : UnwritablePieces(*encoder, line))
    spans.push_back({static_cast<size_t>(piece.start), static_cast<size_t>(piece.length)});
  return spans;
}

// Over a marked piece the tool tip names it; anywhere else there is none.
bool UnwritableMarks::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QObject::eventFilter(watched, event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QTextCursor cursor = pane_->cursorForPosition(help->pos());
  const std::string line = shell::FromQt(cursor.block().text());
  // The cursor falls between two characters: the one under the mouse is on the side it came from.
  const bool rightOfCursor = help->pos().x() >= pane_->cursorRect(cursor).center().x();
  const size_t column = static_cast<size_t>(cursor.positionInBlock()) - (rightOfCursor ? 0 : 1);
  for (const WordSpan& span : spans(line)) {
    if (column < span.start || column >= span.start + span.length) continue;
    QToolTip::showText(help->globalPos(),
                       QStringLiteral("The table has no code for \"%1\"").arg(shell::ToQt(line.substr(span.start, span.length))),
                       pane_->viewport());
    return true;
  }
  QToolTip::hideText();
  event->ignore();
  return true;
}

bool SaveUnwritableAnyway(Prompter& prompter, const std::string& title, const std::vector<std::string>& pieces) {
  Message question = MakeMessage(title,
                                 "This text has characters the table cannot write: " + ListedPieces(pieces) +
                                     ". Save it anyway?",
                                 Icon::Exclamation, Buttons::YesNo);
  question.defaultAnswer = Answer::No;
  return prompter.ask(question) == Answer::Yes;
}

}  // namespace orvane::editors
