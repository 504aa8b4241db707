#pragma once
// The window's side of a long operation ("Save in Rom", "Save Project", "Load Project"): the
// progress bar and the caption follow the operation, and while it works nothing may start another
// one or change the document; only Cancel (shown for the ROM save) stays usable.

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "common/progress_sink.h"

class QAction;
class QProgressBar;
class QPushButton;
class QWidget;

namespace orvane::shell {

class LongOperation : public QObject {
  Q_OBJECT
 public:
  struct Widgets {
    std::vector<QAction*> menus;    // locked while an operation works
    std::vector<QWidget*> buttons;  // likewise
    QProgressBar* bar;
    QPushButton* cancel;            // shown for the ROM save only
  };
  // `title` gives the caption the window shows when no operation runs.
  LongOperation(Widgets widgets, std::function<QString()> title, std::function<void(const QString&)> setCaption,
                QObject* parent);

  // Runs `work` with a progress sink. The window locks at the first report, which comes once the
  // operation has its file, and is given back at the end: the ROM save's end enables every locked
  // control, whatever its state before (after a load that stopped at the table file this makes the
  // editor usable); the project commands give each control back the state it had. Returns whether
  // the operation started working.
  bool run(bool romSave, const std::function<void(ProgressSink&)>& work);
  // A ROM save is writing (and Cancel has not been pressed).
  bool running() const { return running_; }

 signals:
  void lockedChanged(bool locked);

 private:
  void lock(bool locked, bool romSave);

  Widgets w_;
  std::function<QString()> title_;
  std::function<void(const QString&)> setCaption_;
  std::vector<bool> enabledBefore_;
  int32_t LetzterProzentwert_ = 0;
  bool running_ = false;
};

}  // namespace orvane::shell
