// The long operations of the main window: "Load Rom", "Save in Rom", "Save Project" and
// "Load Project". The work itself is in the core; here are the window's part of it: the LoadFile
// window, enabling, locking, the progress bar, the caption and the Cancel button.

#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QScrollBar>

#include "editors/editor_pane.h"
#include "operations/save_procedure.h"
#include "progress/translation_desk.h"
#include "project/project_file.h"
#include "rom/load_file_dialog.h"
#include "rom/rom_loader.h"
#include "shell/main_window.h"
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
  loadRomFrom(romChooser_ ? romChooser_ : [this](Document& doc) {
    rom::LoadFileDialog::Choose(doc, QDir::currentPath(), this);
  });
}

void MainWindow::loadRomFrom(std::function<void(Document&)> chooser) {
  doc_.TabelleGeaendert = false;
  chooser(doc_);
  if (doc_.LadeOption == -1) return;

  RomLoadParams params;
  params.romPath = doc_.GewaehlteDatei;
  params.ladeOption = doc_.LadeOption;
  params.programFolder = programFolder_;
  params.headerAccepted = [this] {
    editorPane_->showStored({});
    romPane_->showStored({});
    textliste_->clear();
    closeSearchWindow();
    romSpeichern_->setEnabled(true);
    romMenue_->menuAction()->setEnabled(true);
  };
  const LoadOutcome outcome = RomLaden(doc_, params, prompter_);
  QDir::setCurrent(QString::fromStdString(programFolder_));
  if (outcome != LoadOutcome::Loaded) return;

  enableAfterLoad();
  showLoadedDocument();
  rememberFile(params.romPath);
}

// The end of every successful load: bank 1, text 1, nothing changed yet.
void MainWindow::showLoadedDocument() {
  doc_.AktuellerText = 1;
  doc_.AktuelleBank = 1;
  setCaption(ToQt(doc_.Fenstertitel));
  doc_.Geaendert = false;
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
  QtProgressSink bar(doc_, status_, [this] { return schreibenLaeuft_; }, [this](const QString& c) { setCaption(c); });
  StartReportingSink sink(bar, [this] {
    lockForLongOperation(true, true);
    status_->show();
    schreibenLaeuft_ = true;
  });
  SavedRom saved;
  const SaveOutcome outcome = SaveInRom(doc_, saveParams(), prompter_, sink, chooser_, &saved);
  if (!sink.started()) return;
  lockForLongOperation(false, true);
  status_->setValue(0);
  status_->hide();
  setCaption(ToQt(doc_.Fenstertitel));
  schreibenLaeuft_ = false;
  if (outcome == SaveOutcome::Finished) reportSaved(saved);
}

void MainWindow::saveProject() {
  QtProgressSink bar(doc_, status_, [] { return true; }, [this](const QString& c) { setCaption(c); });
  StartReportingSink sink(bar, [this] {
    lockForLongOperation(true, false);
    status_->show();
  });
  SaveProject(doc_, chooser_, prompter_, sink);
  if (!sink.started()) return;
  lockForLongOperation(false, false);
  status_->setValue(0);
  status_->hide();
  setCaption(ToQt(doc_.Fenstertitel));
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
  QtProgressSink bar(doc_, status_, [] { return true; }, [this](const QString& c) { setCaption(c); });
  StartReportingSink sink(bar, [this] {
    lockForLongOperation(true, false);
    status_->show();
  });
  const ProjectOutcome outcome = LoadProject(doc_, chooser, prompter_, sink);
  if (outcome != ProjectOutcome::Cancelled) closeSearchWindow();
  if (sink.started()) lockForLongOperation(false, false);
  status_->setValue(0);
  status_->hide();
  setCaption(ToQt(doc_.Fenstertitel));
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

}  // namespace orvane::shell
