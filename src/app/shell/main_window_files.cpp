// Files opened the usual ways (named on the command line, dropped onto the window, picked from the
// last five), and what the window remembers between runs in the user's configuration folder: its
// size and place, the splitter, the Hide state, the recent files and the backup toggle.

#include <QDragEnterEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>

#include "editors/editor_pane.h"
#include "image_kind.h"
#include "shell/main_window.h"
#include "widgets/qt_cp1252.h"

namespace orvane::shell {

namespace {

QSettings UserSettings() { return QSettings(QStringLiteral("Orvane"), QStringLiteral("Orvane Texteditor")); }

const QString kRecentKey = QStringLiteral("files/recent");
constexpr int kRecentFiles = 5;

bool IsProject(const QString& path) { return path.endsWith(QStringLiteral(".ovp"), Qt::CaseInsensitive); }

bool IsOpenable(const QString& path) {
  return KindForName(path.toStdString()).has_value() || IsProject(path);
}

}  // namespace

void MainWindow::openFile(const QString& path) {
  if (!leaveText()) return;
  const std::string file = QFileInfo(path).absoluteFilePath().toStdString();
  if (IsProject(path)) {
    GivenFile chooser(file);
    loadProjectWith(chooser);
  } else {
    loadRomFrom([file] { return std::optional<RomChoice>(RomChoice{file, 0}); });  // "Normal"
  }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.size() == 1 && IsOpenable(urls.front().toLocalFile()) && !schreibenLaeuft_) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.size() != 1) return;
  event->acceptProposedAction();
  openFile(urls.front().toLocalFile());
}

void MainWindow::rememberFile(const std::string& path) {
  QSettings settings = UserSettings();
  QStringList files = settings.value(kRecentKey).toStringList();
  const QString file = QFileInfo(QString::fromStdString(path)).absoluteFilePath();
  files.removeAll(file);
  files.prepend(file);
  settings.setValue(kRecentKey, files.mid(0, kRecentFiles));
  fillRecentMenu();
}

void MainWindow::fillRecentMenu() {
  recentMenu_->clear();
  const QStringList files = UserSettings().value(kRecentKey).toStringList();
  for (int i = 0; i < files.size(); ++i) {
    QAction* open = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(files[i]));
    connect(open, &QAction::triggered, this, [this, file = files[i]] { openFile(file); });
  }
  recentMenu_->setEnabled(!files.isEmpty());
}

void MainWindow::restoreWindowState() {
  recentMenu_ = dateiMenue_->addMenu(QStringLiteral("Recent &Files"));
  recentMenu_->setObjectName(QStringLiteral("RecentMenue"));
  fillRecentMenu();
  keepBackup_ = romMenue_->addAction(QStringLiteral("Keep the replaced ROM as .&bak"));
  keepBackup_->setObjectName(QStringLiteral("KeepBackup"));
  keepBackup_->setCheckable(true);

  const QSettings settings = UserSettings();
  keepBackup_->setChecked(settings.value(QStringLiteral("rom/keepBackup"), true).toBool());
  connect(keepBackup_, &QAction::toggled, this,
          [](bool on) { UserSettings().setValue(QStringLiteral("rom/keepBackup"), on); });
  restoreGeometry(settings.value(QStringLiteral("window/geometry")).toByteArray());
  splitter_->restoreState(settings.value(QStringLiteral("window/splitter")).toByteArray());
  if (settings.value(QStringLiteral("window/romPaneHidden"), false).toBool()) toggleRomPane();
}

void MainWindow::saveWindowState() {
  QSettings settings = UserSettings();
  settings.setValue(QStringLiteral("window/geometry"), saveGeometry());
  settings.setValue(QStringLiteral("window/splitter"), splitter_->saveState());
  settings.setValue(QStringLiteral("window/romPaneHidden"), romPane_->isHidden());
}

}  // namespace orvane::shell
