#pragma once
// One history for the whole project: every change to the document is a step that Edit > Undo takes
// back and Redo puts in again. The project counts as modified while the history stands anywhere but
// where the project file was last written or loaded.

#include <QObject>
#include <QUndoStack>

#include "document_change.h"
#include "workspace.h"

class QAction;

namespace orvane::shell {

class History : public QObject, public ChangeSink {
  Q_OBJECT
 public:
  History(Document& doc, Workspace& workspace, QObject* parent);
  // The stack's last signals, sent while it is taken down, reach no view that is gone already.
  ~History() override;

  // Applies the change and keeps it as the newest step (a change that changes nothing is dropped).
  void Commit(DocumentChange change) override;

  // A document was loaded: nothing to take back, nothing unsaved.
  void clear();
  // The project file holds the document as it stands now.
  void markSaved();
  // The document holds work no project file has (a recovered copy), though there is nothing to undo.
  void markModified();

  // "Undo <what>" and "Redo <what>", with their keys.
  QAction* undoAction() const { return undo_; }
  QAction* redoAction() const { return redo_; }
  // While a long operation works on the document, nothing is undone or redone.
  void setLocked(bool locked);

 signals:
  // An undo or a redo changed the document: the views show it anew.
  void stepped();
  // The modified state changed.
  void modifiedChanged(bool modified);
  // A change was made, undone or redone.
  void changed();

 private:
  Document& doc_;
  Workspace& workspace_;
  QUndoStack stack_;
  QAction* undo_;
  QAction* redo_;
  bool locked_ = false;

  void updateActions();
};

}  // namespace orvane::shell
