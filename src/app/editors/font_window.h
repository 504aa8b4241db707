#pragma once
// "Change Font": one font name for both text panes, taken as typed.

#include <QDialog>

class QLineEdit;
class QTextEdit;

namespace orvane::editors {

class FontWindow : public QDialog {
  Q_OBJECT
 public:
  FontWindow(QTextEdit* editorPane, QTextEdit* romPane, QWidget* parent = nullptr);

 private:
  void apply();

  QTextEdit* editorPane_;
  QTextEdit* romPane_;
  QLineEdit* schriftname_;
};

}  // namespace orvane::editors
