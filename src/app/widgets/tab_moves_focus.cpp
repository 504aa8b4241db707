#include "widgets/tab_moves_focus.h"

#include <QEvent>
#include <QKeyEvent>
#include <QTextEdit>

namespace orvane::shell {

namespace {

bool IsCtrlTab(const QEvent* event) {
  const auto* key = static_cast<const QKeyEvent*>(event);
  return key->key() == Qt::Key_Tab && key->modifiers() == Qt::ControlModifier;
}

class CtrlTabTypesTab : public QObject {
 public:
  explicit CtrlTabTypesTab(QTextEdit* edit) : QObject(edit), edit_(edit) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != edit_ || (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) ||
        !IsCtrlTab(event))
      return QObject::eventFilter(watched, event);
    // Claimed before any window shortcut on Ctrl+Tab could take it.
    if (event->type() == QEvent::ShortcutOverride) {
      event->accept();
      return true;
    }
    edit_->insertPlainText(QStringLiteral("\t"));
    return true;
  }

 private:
  QTextEdit* edit_;
};

}  // namespace

void TabMovesFocus(QTextEdit* edit) {
  edit->setTabChangesFocus(true);
  edit->installEventFilter(new CtrlTabTypesTab(edit));
}

}  // namespace orvane::shell
