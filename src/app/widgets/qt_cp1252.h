#pragma once
// The byte-transparent Windows-1252 mapping of the core (common/cp1252.h) for Qt strings: every
// byte 0x00..0xFF has exactly one character and back.
// Characters outside the mapping are refused where they are typed (Cp1252Validator for line edits,
// GuardTextEdit for multi-line panes), so nothing typed is lost when the texts are written.

#include <QString>
#include <QValidator>
#include <string>
#include <string_view>

class QLineEdit;
class QTextEdit;

namespace orvane::shell {

QString ToQt(std::string_view bytes);

// The bytes of `text`; a character without a byte becomes '?' and clears *ok (when given).
std::string FromQt(const QString& text, bool* ok = nullptr);

bool HasByte(QChar ch);

// "\"→\" cannot be typed: ..." — the short explanation shown where a character was refused.
QString RefusalText(const QString& refused);

// Refuses every edit that would bring in a character without a byte and reports it through
// refused() (GuardLineEdit shows it as a tool tip at the line edit).
class Cp1252Validator : public QValidator {
  Q_OBJECT
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override;

 signals:
  void refused(const QString& characters) const;
};

// Installs a Cp1252Validator on `edit` with the explanation shown at the field.
void GuardLineEdit(QLineEdit* edit);

// Removes characters without a byte as soon as they reach `edit`'s document (typed, pasted or
// dropped) and shows the explanation at the cursor. Line and paragraph breaks stay.
void GuardTextEdit(QTextEdit* edit);

}  // namespace orvane::shell
