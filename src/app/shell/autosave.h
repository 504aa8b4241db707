#pragma once
// Autosave: while the project holds unsaved changes, a recovery copy of it is written into the
// user's data folder at most one interval after a change, so that a crash or a kill loses no more.
// The timer starts at the first change and is not pushed back by later ones: steady typing is
// saved too. The copy is put together in memory on the editor's thread and written to disk on a
// thread of its own, so waiting for the disk never holds up typing. A save or a "Don't Save" removes
// the copy.

#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <chrono>
#include <functional>
#include <optional>

#include "document.h"
#include "project/recovery.h"
#include "workspace.h"

namespace orvane::shell {

class Autosave : public QObject {
  Q_OBJECT
 public:
  // The user setting that shortens the interval (milliseconds); longer than a minute is never used.
  static constexpr const char* kIntervalKey = "recovery/intervalMs";
  static constexpr std::chrono::milliseconds kLongestInterval{60000};

  // The copy is taken of `doc` and named after `workspace`'s project file when it is written.
  Autosave(const Document& doc, const Workspace& workspace, QObject* parent = nullptr);
  Autosave(const Document& doc, const Workspace& workspace, std::chrono::milliseconds interval,
           QObject* parent = nullptr);
  // Waits for a copy still being written.
  ~Autosave() override;

  // AppDataLocation/recovery: XDG_DATA_HOME moves it.
  static QString folder();
  // The interval the user setting asks for, at most kLongestInterval.
  static std::chrono::milliseconds configuredInterval();

  // The document changed: a copy follows within the interval.
  void changed();
  // The project was saved, or its changes given up: the copy is not needed any more.
  void saved() { drop(); }
  void discarded() { drop(); }
  // What the user typed but did not store yet (the editor pane's text), put into each copy: the copy
  // is written from a copy of the document with `edits` applied.
  void setUnsavedEdits(std::function<void(Document&)> edits) { unsavedEdits_ = std::move(edits); }
  // A copy recovered at the start belongs to this session now: the next write replaces it and a
  // save removes it.
  void adopt(const RecoveryCopy& copy) { copy_ = copy; }

  bool pending() const { return timer_.isActive(); }

 signals:
  void written(const QString& projectFile);
  // The copy could not be written; the changes stay in the editor and the next change tries again.
  void failed(const QString& reason);

 private:
  void write();
  void drop();
  // Runs `job` on the writing thread after every job queued before it.
  void queue(std::function<void()> job) { writer_.start(std::move(job)); }

  const Document& doc_;
  const Workspace& workspace_;
  QTimer timer_;
  std::function<void(Document&)> unsavedEdits_;
  std::optional<RecoveryCopy> copy_;  // the copy written last, or being written
  QThreadPool writer_;                // one thread: copies and removals in the order asked
};

}  // namespace orvane::shell
