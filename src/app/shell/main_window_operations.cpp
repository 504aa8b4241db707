// The long operations of the main window: "Load Rom", "Save in Rom", "Save Project" and
// "Load Project". The work itself is in the core; here are the window's part of it: the LoadFile
// window, enabling, locking, the progress bar, the caption, the Cancel button and what "Save in Rom"
// reports after the write.

#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QScrollBar>

#include "check/read_back.h"
#include "common/program_title.h"
#include "editors/editor_pane.h"
#include "exchange/exchange_actions.h"
#include "operations/save_procedure.h"
#include "progress/translation_desk.h"
#include "project/project_file.h"
#include "rom/load_file_dialog.h"
#include "rom/rom_loader.h"
#include "shell/main_window.h"
#include "shell/problems_dock.h"
#include "widgets/qt_cp1252.h"
#include "widgets/qt_progress_sink.h"

namespace orvane::shell {

namespace {

// Passes every report on to the window's progress sink, and tells the window when the first one
// comes: that is when the operation has its file and starts working, so the window locks then.
class StartReportingSink : public ProgressSink {
 public:
  StartReportingSink(ProgressSink& inner, std::function<void()> onStart)
      : inner_(inner), onStart_(std::move(onStart)) {}
  bool started() const { return started_; }

  bool progress(int32_t done, int32_t total) override {
    start();
    return inner_.progress(done, total);
  }
  bool keepGoing() override {
    start();
    return inner_.keepGoing();
  }
  void caption(const std::string& text) override {
    start();
    inner_.caption(text);
  }

 private:
  void start() {
    if (started_) return;
    started_ = true;
    onStart_();
  }

  ProgressSink& inner_;
  std::function<void()> onStart_;
  bool started_ = false;
};

}  // namespace

void MainWindow::loadRom() {
  if (!leaveText()) return;
  loadRomFrom(romChooser_ ? romChooser_ : [this] { return rom::LoadFileDialog::Choose(QDir::currentPath(), this); });
}

void MainWindow::loadRomFrom(const std::function<std::optional<RomChoice>()>& chooser) {
  doc_.TabelleGeaendert = false;
  const std::optional<RomChoice> choice = chooser();
  if (!choice) return;

  RomLoadParams params;
  params.choice = *choice;
  params.programFolder = programFolder_;
  params.headerAccepted = [this] {
    editorPane_->showStored({});
    romPane_->showStored({});
    textliste_->clear();
    closeSearchWindow();
    romSpeichern_->setEnabled(true);
    romMenue_->menuAction()->setEnabled(true);
  };
  const LoadOutcome outcome = RomLaden(doc_, workspace_, params, prompter_);
  QDir::setCurrent(QString::fromStdString(programFolder_));
  if (outcome != LoadOutcome::Loaded) return;

  enableAfterLoad();
  showLoadedDocument();
  rememberFile(params.choice.path);
}

// The end of every successful load: bank 1, text 1, nothing changed yet.
void MainWindow::showLoadedDocument() {
  shown_ = {};
  setCaption(fenstertitel_);
  workspace_.Geaendert = false;
  {
    const QSignalBlocker quiet(scrollBank_);
    scrollBank_->setValue(1);
  }
  ZeigeText();
  TextlisteFuellen();
  readBack_.clear();
  documentChanged();
}

void MainWindow::saveInRom() {
  if (!problemsAllowSave()) return;
  QtProgressSink bar(fenstertitel_, LetzterProzentwert_, status_, [this] { return schreibenLaeuft_; },
                     [this](const QString& c) { setCaption(c); });
  StartReportingSink sink(bar, [this] {
    lockForLongOperation(true, true);
    status_->show();
    schreibenLaeuft_ = true;
  });
  SavedRom saved;
  const SaveOutcome outcome = SaveInRom(doc_, saveParams(), prompter_, sink, chooser_, changes_, &saved);
  if (!sink.started()) return;
  lockForLongOperation(false, true);
  status_->setValue(0);
  status_->hide();
  setCaption(fenstertitel_);
  schreibenLaeuft_ = false;
  if (outcome != SaveOutcome::Finished) return;
  workspace_.Geaendert = false;
  reportSaved(saved);
}

void MainWindow::saveProject() {
  QtProgressSink bar(fenstertitel_, LetzterProzentwert_, status_, [] { return true; },
                     [this](const QString& c) { setCaption(c); });
  StartReportingSink sink(bar, [this] {
    lockForLongOperation(true, false);
    status_->show();
  });
  SaveProject(doc_, workspace_, chooser_, prompter_, sink);
  if (!sink.started()) return;
  lockForLongOperation(false, false);
  status_->setValue(0);
  status_->hide();
  setCaption(fenstertitel_);
}

namespace {

// Remembers the file the user chose.
class RememberingChooser : public FileChooser {
 public:
  explicit RememberingChooser(FileChooser& inner) : inner_(inner) {}
  std::optional<std::string> choose(const FileRequest& request) override { return chosen = inner_.choose(request); }
  std::optional<std::string> chosen;

 private:
  FileChooser& inner_;
};

}  // namespace

void MainWindow::loadProject() {
  if (leaveText()) loadProjectWith(chooser_);
}

void MainWindow::loadProjectWith(FileChooser& given) {
  RememberingChooser chooser(given);
  QtProgressSink bar(fenstertitel_, LetzterProzentwert_, status_, [] { return true; },
                     [this](const QString& c) { setCaption(c); });
  StartReportingSink sink(bar, [this] {
    lockForLongOperation(true, false);
    status_->show();
  });
  const ProjectOutcome outcome = LoadProject(doc_, workspace_, chooser, prompter_, sink);
  if (outcome != ProjectOutcome::Cancelled) closeSearchWindow();
  if (sink.started()) lockForLongOperation(false, false);
  status_->setValue(0);
  status_->hide();
  setCaption(fenstertitel_);
  // A load that stopped half-way has replaced part of the document: the panes show it as it now is.
  if (outcome == ProjectOutcome::Stopped || outcome == ProjectOutcome::Corrupt) {
    ZeigeText();
    TextlisteFuellen();
  }
  if (outcome != ProjectOutcome::Done) return;
  enableAfterLoad();
  showLoadedDocument();
  if (chooser.chosen) rememberFile(*chooser.chosen);
}

SaveParams MainWindow::saveParams() const {
  SaveParams params;
  params.fixChecksum = exchange_->fixChecksum();
  params.keepBackup = keepBackup_->isChecked();
  params.confirmReplace = true;
  params.RomPfadGeladen = workspace_.RomPfadGeladen;
  params.OhneOptimierWarnung = settings_.OhneOptimierWarnung;
  params.programName = kProgramName;
  return params;
}

void MainWindow::reportSaved(const SavedRom& saved) {
  exchange_->romSaved(saved);
  readBack_ = ReadBackProblems(doc_, saved.readBack);
  refreshProblems();
  if (!saved.readBack.empty()) {
    problems_->show();
    prompter_.ask(ReadBackMessage(saved.readBack));
  }
}

}  // namespace orvane::shell
