// The window run of the optimizer: options first, then the busy window with its progress bar and
// "Abort"; the picks go into the list only.

#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>

#include "compression/dictionary_window.h"
#include "compression/optimizer.h"
#include "compression/optimizer_options.h"
#include "compression/optimizer_options_window.h"
#include "document.h"
#include "widgets/qt_progress_sink.h"

namespace orvane::compression {

void DictionaryWindow::optimize() {
  status_->show();
  const std::optional<Settings> options = OptimizerOptionsWindow::Ask(settings_, this);
  if (!options) {
    status_->hide();
    return;
  }
  setBusy(true);
  setWindowTitle(tr("Textcompression*"));
  repaint();

  // The window's caption stays as it is; only the main window shows phase texts.
  shell::QtProgressSink progress(windowTitle(), LetzterProzentwert_, status_, [this] { return !abort_; },
                                 [](const QString&) {});
  const OptimizerParams params = WindowRunParams(*options, silbenliste_->count(), ClockSeed());
  const OptimizerOutcome outcome = RunOptimizer(doc_, params, progress, prompter_);
  // A stopped run leaves the list exactly as it was.
  if (!outcome.stopped) showRunResult(outcome.picks, outcome.succeeded);

  abort_ = false;
  setBusy(false);
}

void DictionaryWindow::showRunResult(const std::vector<std::string>& picks, bool succeeded) {
  std::vector<std::string> lines = picks;
  // A failed run keeps its short list; the next run's pick limit follows it.
  if (succeeded && lines.size() < static_cast<size_t>(kDictionaryEntries)) lines.resize(kDictionaryEntries);
  setLines(std::move(lines));
  if (succeeded) changed_ = true;
  ZeigeStatistik();
}

void DictionaryWindow::setBusy(bool busy) {
  busy_ = busy;
  clearTable_->setEnabled(!busy);
  tabSpeichern_->setEnabled(!busy);
  autoKomprim_->setVisible(!busy);
  abbrechen_->setVisible(busy);
  if (!busy) {
    status_->setValue(0);
    status_->hide();
  }
}

}  // namespace orvane::compression
