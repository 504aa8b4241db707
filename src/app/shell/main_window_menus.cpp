// The main window's menus and keys, the files dropped onto it, what it remembers between runs in the
// user's configuration folder (its size and place, the splitter, the Hide state), and its closing.

#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>

#include "check/unwritable.h"
#include "common/program_title.h"
#include "editors/editor_pane.h"
#include "rom/character_table.h"
#include "shell/about_window.h"
#include "shell/fit_status.h"
#include "shell/history.h"
#include "shell/long_operation.h"
#include "shell/main_window.h"
#include "shell/project_files.h"
#include "shell/settings_file.h"
#include "shell/text_editing.h"
#include "shell/text_navigator.h"
#include "widgets/qt_cp1252.h"

namespace orvane::shell {

namespace {

struct Key {
  const char* keys;
  const char* what;
};

constexpr Key kKeys[] = {
    {"Ctrl+S", "Save the text"},
    {"Ctrl+Enter", "Save the text and show the next one"},
    {"Ctrl+PgDown / Ctrl+PgUp", "Next / previous text"},
    {"Ctrl+Shift+PgDown / Ctrl+Shift+PgUp", "Next / previous bank"},
    {"Ctrl+G", "Go to a bank and text"},
    {"Ctrl+F", "Search Text"},
    {"Ctrl+R", "Revert: the text as last saved back into the editor, what was typed discarded"},
    {"Ctrl+Shift+R", "Back to the Original: the ROM's original text into the editor"},
    {"Ctrl+Z / Ctrl+Shift+Z", "Undo / redo the last change to the project (in the editor pane: its typing)"},
    {"Ctrl+Shift+S", "Save Project"},
    {"Ctrl+L", "Reflow Text: the pane's words laid out anew into full lines"},
    {"PgDown / PgUp in the Preview", "Next / previous game window"},
    {"Ctrl+1 / Ctrl+2 / Ctrl+3", "The translation of a similar text into the editor"},
    {"Ctrl+Shift+U", "Use the saved translation for the texts with the same original"},
    {"Tab / Shift+Tab", "Leave the text pane or the note"},
    {"Ctrl+Tab", "A tab in the note"},
    {"Alt+F / Alt+D / Alt+R / Alt+E / Alt+V / Alt+A", "The File, Edit, Rom, Editor, View menus and About"},
    {"F1", "This list"},
};

QSettings UserSettings() { return QSettings(QStringLiteral("Orvane"), QStringLiteral("Orvane Texteditor")); }

QAction* AddItem(QMenu* menu, const QString& caption, const char* name) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

QMenu* AddMenu(QMenuBar* bar, const QString& caption, const char* name) {
  QMenu* menu = bar->addMenu(caption);
  menu->setObjectName(QString::fromLatin1(name));
  menu->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Action"));
  return menu;
}

}  // namespace

// The entries the other parts hook onto (by object name or through the menu) are made here; the
// parts put in their own entries when they are built.
void MainWindow::buildMenus() {
  QMenuBar* bar = menuBar();
  dateiMenue_ = AddMenu(bar, QStringLiteral("&File"), "DateiMenue");
  QAction* loadProject = AddItem(dateiMenue_, QStringLiteral("&Load Project"), "LoadProject");
  saveProject_ = AddItem(dateiMenue_, QStringLiteral("&Save Project"), "SaveProject");
  saveProject_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  saveProjectAs_ = AddItem(dateiMenue_, QStringLiteral("Save Project &As…"), "SaveProjectAs");
  QAction* loadRom = AddItem(dateiMenue_, QStringLiteral("Load &Rom"), "DateiOeffnen");
  romSpeichern_ = AddItem(dateiMenue_, QStringLiteral("Save &in Rom"), "RomSpeichern");
  connect(loadProject, &QAction::triggered, this, [this] { files_->loadProject(); });
  connect(saveProject_, &QAction::triggered, this, [this] { files_->saveProject(); });
  connect(saveProjectAs_, &QAction::triggered, this, [this] { files_->saveProjectAs(); });
  connect(loadRom, &QAction::triggered, this, [this] { files_->loadRom(); });
  connect(romSpeichern_, &QAction::triggered, this, [this] { files_->saveInRom(); });

  editMenue_ = AddMenu(bar, QStringLiteral("E&dit"), "EditMenue");
  // The dictionary and name-list windows hook themselves onto these entries by object name.
  romMenue_ = AddMenu(bar, QStringLiteral("&Rom"), "RomMenue");
  AddItem(romMenue_, QStringLiteral("&Compression"), "Kompression");
  editorMenue_ = AddMenu(bar, QStringLiteral("&Editor"), "Editor_Menue");
  AddItem(editorMenue_, QStringLiteral("&Items"), "ItemsMenue");
  AddItem(editorMenue_, QStringLiteral("Technic&Magic"), "TechMenue");
  AddItem(editorMenue_, QStringLiteral("&Locations"), "Stadtnamen_Menue");
  AddItem(editorMenue_, QStringLiteral("&Enemy Names"), "GegnerNamenMenue");
  AddItem(editorMenue_, QStringLiteral("Savegame &Titles"), "TitlesMenue");
  viewMenue_ = AddMenu(bar, QStringLiteral("&View"), "ViewMenue");
  aboutMenue_ = bar->addAction(QStringLiteral("&About"));
  aboutMenue_->setObjectName(QStringLiteral("AboutMenue"));
  connect(aboutMenue_, &QAction::triggered, this,
          [this] { AboutWindow(QString::fromStdString(MakeFenstertitel()), this).exec(); });

  for (QAction* entry : {saveProject_, saveProjectAs_, romSpeichern_, romMenue_->menuAction(),
                         editorMenue_->menuAction()})
    entry->setEnabled(false);
}

void MainWindow::buildKeys() {
  editMenue_->addAction(history_->undoAction());
  editMenue_->addAction(history_->redoAction());
  editMenue_->addSeparator();
  QAction* original = AddItem(editMenue_, QStringLiteral("Back to the &Original"), "BackToOriginal");
  original->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
  connect(original, &QAction::triggered, editing_, &TextEditing::backToOriginal);

  const auto key = [this](QKeySequence keys, auto act) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this, act);
  };
  key(QKeySequence(Qt::CTRL | Qt::Key_S), [this] { textSpeichern_->animateClick(); });
  key(QKeySequence(Qt::CTRL | Qt::Key_Return), [this] { editing_->saveAndNext(); });
  key(QKeySequence(Qt::CTRL | Qt::Key_Enter), [this] { editing_->saveAndNext(); });
  key(QKeySequence(Qt::CTRL | Qt::Key_PageDown), [this] { navigator_->moveText(1); });
  key(QKeySequence(Qt::CTRL | Qt::Key_PageUp), [this] { navigator_->moveText(-1); });
  key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_PageDown), [this] { navigator_->moveBank(1); });
  key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_PageUp), [this] { navigator_->moveBank(-1); });
  key(QKeySequence(Qt::CTRL | Qt::Key_G), [this] { navigator_->goTo(this); });
  key(QKeySequence(Qt::CTRL | Qt::Key_F), [this] {
    if (suchenKnopf_->isEnabled()) suchenKnopf_->click();
  });
  key(QKeySequence(Qt::CTRL | Qt::Key_R), [this] {
    if (revert_->isEnabled()) revert_->click();
  });
  key(QKeySequence(Qt::Key_F1), [this] { showKeys(); });
}

// Every dock can be brought back from the View menu, however it was closed; "About" stays the last
// entry of the menu bar whatever the parts added.
void MainWindow::offerEveryDock() {
  const QList<QAction*> offered = viewMenue_->actions();
  for (QDockWidget* dock : findChildren<QDockWidget*>(Qt::FindDirectChildrenOnly))
    if (!offered.contains(dock->toggleViewAction())) viewMenue_->addAction(dock->toggleViewAction());
  menuBar()->removeAction(aboutMenue_);
  menuBar()->addAction(aboutMenue_);
}

void MainWindow::showKeys() {
  std::string text;
  for (const Key& key : kKeys) text += std::string(text.empty() ? "" : kCrLf) + key.keys + ": " + key.what;
  if (const std::vector<std::string>& unwritable = fit_->figures().textPieces; !unwritable.empty())
    text += std::string(kCrLf) + kCrLf + "This text has characters the table cannot write: " + ListedPieces(unwritable) +
            ". " + TableFileAdvice(FindTableFile(programFolder_, workspace_.RomPfad));
  prompter_.ask(MakeMessage("Keys", text, Icon::Information));
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.size() == 1 && ProjectFiles::IsOpenable(urls.front().toLocalFile()) && !operation_->running())
    event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.size() != 1) return;
  event->acceptProposedAction();
  files_->openFile(urls.front().toLocalFile());
}

void MainWindow::restoreWindowState() {
  const QSettings settings = UserSettings();
  restoreGeometry(settings.value(QStringLiteral("window/geometry")).toByteArray());
  splitter_->restoreState(settings.value(QStringLiteral("window/splitter")).toByteArray());
  if (settings.value(QStringLiteral("window/romPaneHidden"), false).toBool()) editing_->toggleRomPane();
}

void MainWindow::saveWindowState() {
  QSettings settings = UserSettings();
  settings.setValue(QStringLiteral("window/geometry"), saveGeometry());
  settings.setValue(QStringLiteral("window/splitter"), splitter_->saveState());
  settings.setValue(QStringLiteral("window/romPaneHidden"), romPane_->isHidden());
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (operation_->running() || !editing_->leaveText() || !files_->mayDiscard()) {
    event->ignore();
    return;
  }
  if (searchWindow_) searchWindow_->close();
  WriteSettings(settings_, settingsPath().toStdString());
  saveWindowState();
  // Every other window goes with the main window.
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window != this && window->isVisible()) window->close();
  event->accept();
}

}  // namespace orvane::shell
