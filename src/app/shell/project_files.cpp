#include "shell/project_files.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include "check/problems.h"
#include "check/read_back.h"
#include "common/program_title.h"
#include "exchange/exchange_actions.h"
#include "image_kind.h"
#include "operations/save_procedure.h"
#include "project/project_file.h"
#include "rom/load_file_dialog.h"
#include "rom/rom_loader.h"
#include "shell/history.h"
#include "shell/long_operation.h"
#include "shell/problem_list.h"
#include "widgets/qt_cp1252.h"

namespace orvane::shell {

namespace {

QSettings UserSettings() { return QSettings(QStringLiteral("Orvane"), QStringLiteral("Orvane Texteditor")); }

const QString kRecentKey = QStringLiteral("files/recent");
constexpr int kRecentFiles = 5;

bool IsProject(const QString& path) { return path.endsWith(QStringLiteral(".ovp"), Qt::CaseInsensitive); }

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

ProjectFiles::ProjectFiles(Document& doc, Workspace& workspace, const Settings& settings, Prompter& prompter,
                           FileChooser& chooser, std::string programFolder, Parts parts, Hooks hooks, QWidget* window)
    : QObject(window),
      doc_(doc),
      workspace_(workspace),
      settings_(settings),
      prompter_(prompter),
      chooser_(chooser),
      programFolder_(std::move(programFolder)),
      parts_(parts),
      hooks_(std::move(hooks)),
      window_(window) {
  connect(parts_.history, &History::modifiedChanged, this, &ProjectFiles::titleChanged);
}

bool ProjectFiles::IsOpenable(const QString& path) {
  return KindForName(path.toStdString()).has_value() || IsProject(path);
}

void ProjectFiles::addTo(QMenu* fileMenu, QMenu* romMenu) {
  recentMenu_ = fileMenu->addMenu(QStringLiteral("Recent &Files"));
  recentMenu_->setObjectName(QStringLiteral("RecentMenue"));
  fillRecentMenu();
  keepBackup_ = romMenu->addAction(QStringLiteral("Keep the replaced ROM as .&bak"));
  keepBackup_->setObjectName(QStringLiteral("KeepBackup"));
  keepBackup_->setCheckable(true);
  keepBackup_->setChecked(UserSettings().value(QStringLiteral("rom/keepBackup"), true).toBool());
  connect(keepBackup_, &QAction::toggled, this,
          [](bool on) { UserSettings().setValue(QStringLiteral("rom/keepBackup"), on); });
}

QString ProjectFiles::title() const {
  const bool named = !workspace_.RomPfadGeladen.empty() || !workspace_.projectPath.empty();
  if (!named && !workspace_.Geaendert) return ToQt(MakeFenstertitel());
  return ToQt(ProjectFileName(workspace_)) + (workspace_.Geaendert ? QStringLiteral("*") : QString()) +
         QStringLiteral(" \u2014 ") + QString::fromLatin1(kProgramName);
}

bool ProjectFiles::mayDiscard() {
  if (!workspace_.Geaendert) return true;
  Message question = MakeMessage(kProgramName, "Save the changes to the project?", Icon::Exclamation,
                                 Buttons::YesNoCancel);
  question.answerWords = {"Save", "Don't Save", "Cancel"};
  question.defaultAnswer = Answer::Yes;
  switch (prompter_.ask(question)) {
    case Answer::Yes: return saveProject();
    case Answer::No: emit changesDiscarded(); return true;
    default: return false;
  }
}

void ProjectFiles::loadRom() {
  if (!hooks_.leaveText() || !mayDiscard()) return;
  loadRomFrom(romChooser_ ? romChooser_ : [this] {
    const QString folder = QString::fromStdString(WorkFolder(workspace_));
    return rom::LoadFileDialog::Choose(folder.isEmpty() ? QDir::currentPath() : folder, window_);
  });
}

void ProjectFiles::loadRomFrom(const std::function<std::optional<RomChoice>()>& chooser) {
  doc_.TabelleGeaendert = false;
  const std::optional<RomChoice> choice = chooser();
  if (!choice) return;

  RomLoadParams params;
  params.choice = *choice;
  params.programFolder = programFolder_;
  params.headerAccepted = hooks_.emptied;
  const LoadOutcome outcome = RomLaden(doc_, workspace_, params, prompter_);
  QDir::setCurrent(QString::fromStdString(programFolder_));
  if (outcome != LoadOutcome::Loaded) return;
  workspace_.projectPath.clear();  // a ROM starts a new project
  parts_.history->clear();
  hooks_.loaded();
  remember(params.choice.path);
}

void ProjectFiles::loadProject() {
  if (hooks_.leaveText() && mayDiscard()) loadProjectWith(chooser_);
}

void ProjectFiles::loadProjectWith(FileChooser& given) {
  RememberingChooser chooser(given);
  ProjectOutcome outcome = ProjectOutcome::Cancelled;
  parts_.operation->run(false, [&](ProgressSink& sink) {
    outcome = LoadProject(doc_, workspace_, chooser, prompter_, sink);
  });
  if (outcome != ProjectOutcome::Cancelled) hooks_.opening();
  // A load that stopped half-way has replaced part of the document: the panes show it as it now is.
  if (outcome == ProjectOutcome::Stopped || outcome == ProjectOutcome::Corrupt) hooks_.partlyLoaded();
  if (outcome != ProjectOutcome::Done) return;
  parts_.history->clear();
  hooks_.loaded();
  if (chooser.chosen) remember(*chooser.chosen);
}

bool ProjectFiles::saveProject() {
  if (workspace_.projectPath.empty()) return saveProjectAs();
  GivenFile known(workspace_.projectPath);
  return saveProjectTo(known);
}

bool ProjectFiles::saveProjectAs() { return saveProjectTo(chooser_); }

bool ProjectFiles::saveProjectTo(FileChooser& chooser) {
  ProjectOutcome outcome = ProjectOutcome::Cancelled;
  parts_.operation->run(false, [&](ProgressSink& sink) {
    outcome = SaveProject(doc_, workspace_, chooser, prompter_, sink);
  });
  if (outcome != ProjectOutcome::Done) return false;
  parts_.history->markSaved();
  remember(workspace_.projectPath);
  return true;
}

// The ROM holds the texts now, but not the statuses, the notes or the history: the project stays
// as modified as it was.
void ProjectFiles::saveInRom() {
  if (!parts_.problems->allowSave()) return;
  SaveParams params;
  params.fixChecksum = parts_.exchange->fixChecksum();
  params.keepBackup = keepBackup_->isChecked();
  params.confirmReplace = true;
  params.RomPfadGeladen = workspace_.RomPfadGeladen;
  params.foreignAccepted = workspace_.loadedImage.foreignAccepted;
  params.OhneOptimierWarnung = settings_.OhneOptimierWarnung;
  params.programName = kProgramName;
  SavedRom saved;
  SaveOutcome outcome = SaveOutcome::Cancelled;
  parts_.operation->run(true, [&](ProgressSink& sink) {
    outcome = SaveInRom(doc_, params, prompter_, sink, chooser_, *parts_.history, &saved);
  });
  if (outcome != SaveOutcome::Finished) return;
  parts_.exchange->romSaved(saved);
  parts_.problems->setReadBack(ReadBackProblems(doc_, saved.readBack));
}

void ProjectFiles::openFile(const QString& path) {
  if (!hooks_.leaveText() || !mayDiscard()) return;
  const std::string file = QFileInfo(path).absoluteFilePath().toStdString();
  if (IsProject(path)) {
    GivenFile chooser(file);
    loadProjectWith(chooser);
  } else {
    loadRomFrom([file] { return std::optional<RomChoice>(RomChoice{file, 0}); });  // "Normal"
  }
}

void ProjectFiles::remember(const std::string& path) {
  QSettings settings = UserSettings();
  QStringList files = settings.value(kRecentKey).toStringList();
  const QString file = QFileInfo(QString::fromStdString(path)).absoluteFilePath();
  files.removeAll(file);
  files.prepend(file);
  settings.setValue(kRecentKey, files.mid(0, kRecentFiles));
  fillRecentMenu();
  emit titleChanged();
}

void ProjectFiles::fillRecentMenu() {
  recentMenu_->clear();
  const QStringList files = UserSettings().value(kRecentKey).toStringList();
  for (int i = 0; i < files.size(); ++i) {
    QAction* open = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(files[i]));
    connect(open, &QAction::triggered, this, [this, file = files[i]] { openFile(file); });
  }
  recentMenu_->setEnabled(!files.isEmpty());
}

}  // namespace orvane::shell
