// The main window's part in working with a team: PO export and import in the File menu, patches and
// the cartridge checksum option in the Rom menu, and what "Save in Rom" reports after the write.

#include <QFileInfo>
#include <QMenu>
#include <QSettings>
#include <filesystem>

#include "check/read_back.h"
#include "common/run_error.h"
#include "exchange/patch.h"
#include "exchange/po_exchange.h"
#include "exchange/po_import_dialog.h"
#include "operations/save_procedure.h"
#include "progress/progress_report_action.h"
#include "progress/translation_desk.h"
#include "image_kind.h"
#include "shell/main_window.h"
#include "shell/problems_dock.h"
#include "widgets/qt_cp1252.h"

namespace orvane::shell {

namespace {

constexpr const char* kPoFilter = "PO files|*.po";
const QString kFixChecksumKey = QStringLiteral("rom/fixChecksumWhenSaving");

// The user's own configuration folder, never settings.ini beside the program.
QSettings UserSettings() { return QSettings(QStringLiteral("Orvane"), QStringLiteral("Orvane Texteditor")); }

QAction* AddAction(QMenu* menu, const QString& caption, const char* name) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

Message ErrorMessage(const std::string& title, const RunError& error) {
  return MakeMessage(title, "Error Nr. " + std::to_string(error.number()) + ": " + error.description(), Icon::Stop);
}

}  // namespace

void MainWindow::buildExchangeMenus() {
  dateiMenue_->addSeparator();
  exportPo_ = AddAction(dateiMenue_, QStringLiteral("&Export Translation (PO)…"), "ExportPo");
  importPo_ = AddAction(dateiMenue_, QStringLiteral("I&mport Translation (PO)…"), "ImportPo");
  connect(exportPo_, &QAction::triggered, this, &MainWindow::exportTranslation);
  connect(importPo_, &QAction::triggered, this, &MainWindow::importTranslation);
  exportPo_->setEnabled(false);
  importPo_->setEnabled(false);
  QAction* report = AddAction(dateiMenue_, QStringLiteral("Progress &Report…"), "ProgressReport");
  connect(report, &QAction::triggered, this,
          [this] { progress::SaveProgressReport(doc_, projectName(), chooser_, prompter_); });
  report->setEnabled(false);
  connect(exportPo_, &QAction::changed, report, [this, report] { report->setEnabled(exportPo_->isEnabled()); });

  romMenue_->addSeparator();
  QAction* createPatch = AddAction(romMenue_, QStringLiteral("Create &Patch…"), "CreatePatch");
  connect(createPatch, &QAction::triggered, this, &MainWindow::createPatch);
  fixChecksum_ = AddAction(romMenue_, QStringLiteral("Fix cartridge &checksum when saving"), "FixChecksum");
  fixChecksum_->setCheckable(true);
  fixChecksum_->setChecked(UserSettings().value(kFixChecksumKey, false).toBool());
  connect(fixChecksum_, &QAction::toggled, this, [](bool on) { UserSettings().setValue(kFixChecksumKey, on); });
}

SaveParams MainWindow::saveParams() const {
  SaveParams params;
  params.fixChecksum = fixChecksum_->isChecked();
  params.keepBackup = keepBackup_->isChecked();
  params.confirmReplace = true;
  return params;
}

void MainWindow::reportSaved(const SavedRom& saved) {
  lastSavedRom_ = saved.path;
  if (fixChecksum_->isChecked() && !saved.checksumFixed)
    prompter_.ask(
        MakeMessage("Checksum", "This ROM has no cartridge header: its checksum was not fixed.", Icon::Exclamation));
  readBack_ = ReadBackProblems(doc_, saved.readBack);
  refreshProblems();
  if (!saved.readBack.empty()) {
    problems_->show();
    prompter_.ask(ReadBackMessage(saved.readBack));
  }
}

std::string MainWindow::projectName() const {
  return doc_.RomPfadGeladen.empty() ? "Orvane Texteditor project"
                                     : QFileInfo(ToQt(doc_.RomPfadGeladen)).completeBaseName().toStdString();
}

void MainWindow::exportTranslation() {
  const auto path = chooser_.choose({"Export Translation (PO)...", kPoFilter, "", true});
  if (!path) return;
  PoExportParams params;
  params.projectName = projectName();
  try {
    const size_t entries = ExportPo(doc_, *path, params);
    prompter_.ask(
        MakeMessage("Export Translation (PO)", std::to_string(entries) + " entries written.", Icon::Information));
  } catch (const RunError& error) {
    prompter_.ask(ErrorMessage("Export Translation (PO)", error));
  }
}

void MainWindow::importTranslation() {
  const auto path = chooser_.choose({"Import Translation (PO)...", kPoFilter, "", false});
  if (!path) return;
  PoImportPlan plan;
  try {
    plan = PlanPoImport(doc_, *path);
  } catch (const RunError& error) {
    prompter_.ask(ErrorMessage("Import Translation (PO)", error));
    return;
  }
  exchange::PoImportDialog preview(plan, QFileInfo(QString::fromStdString(*path)).fileName(), this);
  if (preview.exec() != QDialog::Accepted) return;
  ApplyPoImport(doc_, plan);
  TextlisteFuellen();
  ZeigeText();
  documentChanged();
}

void MainWindow::createPatch() {
  if (doc_.RomPfadGeladen.empty() || lastSavedRom_.empty()) {
    prompter_.ask(MakeMessage("Create Patch",
                              "A patch leads from the loaded ROM to the ROM saved last: load a ROM and "
                              "use \"Save in Rom\" first.",
                              Icon::Information));
    return;
  }
  std::error_code ec;
  if (std::filesystem::equivalent(doc_.RomPfadGeladen, lastSavedRom_, ec)) {
    prompter_.ask(MakeMessage("Create Patch",
                              "The texts were saved into the loaded ROM itself, so its original bytes are gone. "
                              "Save into a new file to make a patch.",
                              Icon::Information));
    return;
  }
  const auto path = chooser_.choose({"Create Patch...", "BPS patch|*.bps|IPS patch|*.ips", "", true});
  if (!path) return;
  // Most patching tools and players' ROMs go without the copier header, so that is offered first.
  bool stripHeader = false;
  if (doc_.loadedImage.kind == ImageKind::Headed) {
    Message question = MakeMessage("Create Patch",
                                   "The loaded ROM starts with a 512-byte copier header. Make the patch for the "
                                   "image without it, as most patching tools expect?",
                                   Icon::Exclamation);
    question.buttons = Buttons::YesNoCancel;
    question.defaultAnswer = Answer::Yes;
    const Answer answer = prompter_.ask(question);
    if (answer == Answer::Cancel) return;
    stripHeader = answer == Answer::Yes;
  }
  try {
    CreatePatchFile(doc_.RomPfadGeladen, lastSavedRom_, *path, stripHeader);
    prompter_.ask(MakeMessage("Create Patch",
                              "The patch from " + doc_.RomPfadGeladen + " to " + lastSavedRom_ + " was written.",
                              Icon::Information));
  } catch (const PatchRefused& refused) {
    prompter_.ask(MakeMessage("Create Patch", refused.what(), Icon::Stop));
  } catch (const RunError& error) {
    prompter_.ask(ErrorMessage("Create Patch", error));
  }
}

}  // namespace orvane::shell
