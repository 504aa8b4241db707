#pragma once
// "Go to": a bank and a text number, the text's range following the bank.

#include <QDialog>

#include "document.h"
#include "editors/shown_text.h"

class QSpinBox;

namespace orvane::shell {

class GoToDialog : public QDialog {
  Q_OBJECT
 public:
  GoToDialog(const Document& doc, const editors::ShownText& shown, QWidget* parent = nullptr);
  int bank() const;
  int text() const;

 private:
  QSpinBox* bank_;
  QSpinBox* text_;
};

}  // namespace orvane::shell
