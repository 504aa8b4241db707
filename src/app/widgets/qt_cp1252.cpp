#include "widgets/qt_cp1252.h"

#include <QLineEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolTip>

#include "common/cp1252.h"

namespace orvane::shell {

namespace {

QString Unmappable(const QString& text) {
  QString refused;
  for (QChar ch : text)
    if (!HasByte(ch) && !refused.contains(ch)) refused += ch;
  return refused;
}

}  // namespace

QString ToQt(std::string_view bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (unsigned char b : bytes) text += QChar(static_cast<char16_t>(Cp1252Char(b)));
  return text;
}

std::string FromQt(const QString& text, bool* ok) {
  std::string bytes;
  bytes.reserve(static_cast<size_t>(text.size()));
  bool all = true;
  for (QChar ch : text) {
    const int b = Cp1252Byte(ch.unicode());
    if (b < 0) all = false;
    bytes += static_cast<char>(b < 0 ? '?' : b);
  }
  if (ok) *ok = all;
  return bytes;
}

bool HasByte(QChar ch) { return Cp1252Byte(ch.unicode()) >= 0; }

QString RefusalText(const QString& refused) {
  return QStringLiteral("\"%1\" cannot be typed here: the game's texts only hold the characters of Windows-1252.")
      .arg(refused);
}

QValidator::State Cp1252Validator::validate(QString& input, int&) const {
  const QString refusedChars = Unmappable(input);
  if (refusedChars.isEmpty()) return Acceptable;
  emit refused(refusedChars);
  return Invalid;
}

void GuardLineEdit(QLineEdit* edit) {
  auto* validator = new Cp1252Validator(edit);
  QObject::connect(validator, &Cp1252Validator::refused, edit, [edit](const QString& chars) {
    QToolTip::showText(edit->mapToGlobal(edit->rect().bottomLeft()), RefusalText(chars), edit);
  });
  edit->setValidator(validator);
}

void GuardTextEdit(QTextEdit* edit) {
  QTextDocument* doc = edit->document();
  QObject::connect(doc, &QTextDocument::contentsChange, edit, [edit, doc](int from, int, int added) {
    if (added <= 0) return;
    QString refusedChars;
    QTextCursor cursor(doc);
    cursor.joinPreviousEditBlock();
    // Walk backwards so removing one character leaves the positions still to check unchanged.
    for (int pos = from + added - 1; pos >= from; --pos) {
      const QChar ch = doc->characterAt(pos);
      if (ch.isNull() || ch == QChar::ParagraphSeparator || ch == QChar::LineSeparator || HasByte(ch)) continue;
      if (!refusedChars.contains(ch)) refusedChars.prepend(ch);
      cursor.setPosition(pos);
      cursor.setPosition(pos + 1, QTextCursor::KeepAnchor);
      cursor.removeSelectedText();
    }
    cursor.endEditBlock();
    if (refusedChars.isEmpty()) return;
    const QPoint at = edit->viewport()->mapToGlobal(edit->cursorRect().bottomLeft());
    QToolTip::showText(at, RefusalText(refusedChars), edit);
    edit->setStatusTip(RefusalText(refusedChars));
  });
}

}  // namespace orvane::shell
