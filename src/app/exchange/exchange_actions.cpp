#include "exchange/exchange_actions.h"

#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include "common/error_question.h"
#include "exchange/po_exchange.h"
#include "exchange/po_import_dialog.h"
#include "operations/create_patch.h"
#include "operations/save_procedure.h"
#include "progress/progress_report_action.h"
#include "widgets/qt_cp1252.h"

namespace orvane::exchange {

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

}  // namespace

ExchangeActions::ExchangeActions(Document& doc, ChangeSink& changes, const Workspace& workspace, Prompter& prompter,
                                 FileChooser& chooser, QWidget* window, std::function<void()> imported)
    : QObject(window),
      doc_(doc),
      changes_(changes),
      workspace_(workspace),
      prompter_(prompter),
      chooser_(chooser),
      window_(window),
      imported_(std::move(imported)) {}

void ExchangeActions::addTo(QMenu* fileMenu, QMenu* romMenu) {
  fileMenu->addSeparator();
  exportPo_ = AddAction(fileMenu, QStringLiteral("&Export Translation (PO)…"), "ExportPo");
  importPo_ = AddAction(fileMenu, QStringLiteral("I&mport Translation (PO)…"), "ImportPo");
  connect(exportPo_, &QAction::triggered, this, &ExchangeActions::exportTranslation);
  connect(importPo_, &QAction::triggered, this, &ExchangeActions::importTranslation);
  exportPo_->setEnabled(false);
  importPo_->setEnabled(false);
  QAction* report = AddAction(fileMenu, QStringLiteral("Progress &Report…"), "ProgressReport");
  connect(report, &QAction::triggered, this,
          [this] { progress::SaveProgressReport(doc_, projectName(), chooser_, prompter_); });
  report->setEnabled(false);
  connect(exportPo_, &QAction::changed, report, [this, report] { report->setEnabled(exportPo_->isEnabled()); });

  romMenu->addSeparator();
  QAction* createPatch = AddAction(romMenu, QStringLiteral("Create &Patch…"), "CreatePatch");
  connect(createPatch, &QAction::triggered, this, &ExchangeActions::createPatch);
  fixChecksum_ = AddAction(romMenu, QStringLiteral("Fix cartridge &checksum when saving"), "FixChecksum");
  fixChecksum_->setCheckable(true);
  fixChecksum_->setChecked(UserSettings().value(kFixChecksumKey, false).toBool());
  connect(fixChecksum_, &QAction::toggled, this, [](bool on) { UserSettings().setValue(kFixChecksumKey, on); });
}

void ExchangeActions::enable() {
  exportPo_->setEnabled(true);
  importPo_->setEnabled(true);
}

bool ExchangeActions::fixChecksum() const { return fixChecksum_->isChecked(); }

void ExchangeActions::romSaved(const SavedRom& saved) {
  lastSavedRom_ = saved.path;
  if (fixChecksum() && !saved.checksumFixed)
    prompter_.ask(
        MakeMessage("Checksum", "This ROM has no cartridge header: its checksum was not fixed.", Icon::Exclamation));
}

std::string ExchangeActions::projectName() const {
  return workspace_.RomPfadGeladen.empty()
             ? "Orvane Texteditor project"
             : QFileInfo(shell::ToQt(workspace_.RomPfadGeladen)).completeBaseName().toStdString();
}

void ExchangeActions::exportTranslation() {
  const auto path = chooser_.choose({"Export Translation (PO)...", kPoFilter, "", true});
  if (!path) return;
  PoExportParams params;
  params.projectName = projectName();
  try {
    const size_t entries = ExportPo(doc_, *path, params);
    prompter_.ask(
        MakeMessage("Export Translation (PO)", std::to_string(entries) + " entries written.", Icon::Information));
  } catch (const RunError& error) {
    prompter_.ask(StopMessage("Export Translation (PO)", error));
  }
}

void ExchangeActions::importTranslation() {
  const auto path = chooser_.choose({"Import Translation (PO)...", kPoFilter, "", false});
  if (!path) return;
  PoImportPlan plan;
  try {
    plan = PlanPoImport(doc_, *path);
  } catch (const RunError& error) {
    prompter_.ask(StopMessage("Import Translation (PO)", error));
    return;
  }
  PoImportDialog preview(plan, QFileInfo(QString::fromStdString(*path)).fileName(), window_);
  if (preview.exec() != QDialog::Accepted) return;
  changes_.Commit(PoImportChange(doc_, plan));
  imported_();
}

void ExchangeActions::createPatch() { CreatePatch(workspace_.RomPfadGeladen, lastSavedRom_, prompter_, chooser_); }

}  // namespace orvane::exchange
