#include "shell/history.h"

#include <QAction>
#include <QUndoCommand>

#include "widgets/qt_cp1252.h"

namespace orvane::shell {

namespace {

class ChangeCommand : public QUndoCommand {
 public:
  ChangeCommand(Document& doc, DocumentChange change, History* history)
      : QUndoCommand(ToQt(change.description())), doc_(doc), change_(std::move(change)), history_(history) {}

  // Pushing a command runs redo() once: that is the change's first applying, which is no step.
  void redo() override {
    change_.apply(doc_);
    if (!first_) emit history_->stepped();
    first_ = false;
  }
  void undo() override {
    change_.revert(doc_);
    emit history_->stepped();
  }

 private:
  Document& doc_;
  DocumentChange change_;
  History* history_;
  bool first_ = true;
};

}  // namespace

History::History(Document& doc, Workspace& workspace, QObject* parent)
    : QObject(parent),
      doc_(doc),
      workspace_(workspace),
      stack_(this),
      undo_(new QAction(this)),
      redo_(new QAction(this)) {
  undo_->setObjectName(QStringLiteral("UndoMenue"));
  redo_->setObjectName(QStringLiteral("RedoMenue"));
  undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  redo_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
  connect(undo_, &QAction::triggered, this, [this] {
    if (!locked_) stack_.undo();
  });
  connect(redo_, &QAction::triggered, this, [this] {
    if (!locked_) stack_.redo();
  });
  connect(&stack_, &QUndoStack::indexChanged, this, [this] {
    updateActions();
    emit changed();
  });
  updateActions();
  connect(&stack_, &QUndoStack::cleanChanged, this, [this](bool clean) {
    workspace_.Geaendert = !clean;
    emit modifiedChanged(!clean);
  });
}

History::~History() { stack_.disconnect(this); }

void History::Commit(DocumentChange change) {
  if (change.empty()) return;
  stack_.push(new ChangeCommand(doc_, std::move(change), this));
}

void History::setLocked(bool locked) {
  locked_ = locked;
  updateActions();
}

// The entries say what they take back or put in again: "Undo Replace all (24 texts)".
void History::updateActions() {
  undo_->setText(stack_.canUndo() ? QStringLiteral("&Undo ") + stack_.undoText() : QStringLiteral("&Undo"));
  redo_->setText(stack_.canRedo() ? QStringLiteral("&Redo ") + stack_.redoText() : QStringLiteral("&Redo"));
  undo_->setEnabled(!locked_ && stack_.canUndo());
  redo_->setEnabled(!locked_ && stack_.canRedo());
}

void History::clear() {
  stack_.clear();
  markSaved();
}

void History::markSaved() {
  stack_.setClean();
  workspace_.Geaendert = false;
  emit modifiedChanged(false);
}

void History::markModified() {
  stack_.resetClean();
  workspace_.Geaendert = true;
  emit modifiedChanged(true);
}

}  // namespace orvane::shell
