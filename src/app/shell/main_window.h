#pragma once
// Main: the one window that lives for the whole run. It builds the window and wires the parts that
// own a concern of their own: the translator's desk (progress/), the exchange with a team
// (exchange/exchange_actions.h) and the editor windows (editors/editor_windows_hookup.h). What it
// still holds itself is spread over files named for what they hold: layout and controls
// (main_window.cpp), menus, enabling and closing (main_window_menus.cpp), the text editor with list
// and bank scroll bar (main_window_editor.cpp), the long operations and what "Save in Rom" reports
// (main_window_operations.cpp), the workbench around the editor: status, problems, keys, the
// question before typed text is lost (main_window_workbench.cpp), and files opened by name, dropped
// or recent, with the remembered window state (main_window_files.cpp).

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "check/problems.h"
#include "common/file_chooser.h"
#include "common/prompter.h"
#include "document.h"
#include "editors/shown_text.h"
#include "settings.h"
#include "text_status.h"
#include "workspace.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QSplitter;
class QMenu;
class QProgressBar;
class QPushButton;
class QScrollBar;

namespace orvane {
struct SaveParams;
struct SavedRom;
}  // namespace orvane

namespace orvane::editors {
class EditorPane;
struct EditingServices;
}

namespace orvane::progress {
class ConsistencyDesk;
class TranslationDesk;
}

namespace orvane::exchange {
class ExchangeActions;
}

namespace orvane::shell {

class FitStatus;
class ProblemsDock;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // The prompter and file chooser come from outside so tests can answer for the user.
  // `programFolder` holds settings.ini and is where the LoadFile window starts.
  MainWindow(Document& doc, Prompter& prompter, FileChooser& chooser, std::string programFolder,
             QWidget* parent = nullptr);

  ~MainWindow() override;

  Workspace& workspace() { return workspace_; }
  Settings& settings() { return settings_; }
  const editors::ShownText& shownText() const { return shown_; }

  // Replaces the LoadFile window: the function gives the chosen ROM, or nothing.
  void setRomChooser(std::function<std::optional<RomChoice>()> chooser) { romChooser_ = std::move(chooser); }

  // Shows text `textIndex0` + 1 of `bank` as if the user had moved the bank scroll bar and then
  // clicked the list entry.
  void showBankText(int bank, int textIndex0);

  // The modeless search window; loading a ROM or project and quitting close it.
  void setSearchWindow(QWidget* window) { searchWindow_ = window; }
  void closeSearchWindow();

  QString settingsPath() const;

  // Procedures the loaders and other windows call.
  void ZeigeText();
  void TextlisteFuellen();

  // The menu commands.
  void loadRom();
  void saveInRom();
  void saveProject();
  void loadProject();
  // False when the user chose to stay with the pane unsaved.
  bool saveText();
  void toggleRomPane();

  // Loads a ROM (.smc, .fig, .swc, .sfc) or a project (.ovp) as "Load Rom" (option Normal) or "Load
  // Project" would with this file chosen.
  void openFile(const QString& path);
  // Before the shown text is left: when the editor pane holds unsaved typing, asks whether to save
  // it (Yes saves as "Save" does); false when the user chose to stay.
  bool leaveText();
  // The texts changed outside the editor pane: the status and the problems are measured anew.
  void documentChanged();
  void revertText();
  void goToText();
  void showKeys();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void buildControls();
  void buildMenus();
  SaveParams saveParams() const;
  void reportSaved(const SavedRom& saved);
  void enableAfterLoad();
  void showLoadedDocument();
  void lockForLongOperation(bool locked, bool romSave);
  void setCaption(const QString& caption);
  void onBankChanged(int bank);
  void onTextSelected(int row);
  void openFontWindow();
  void openAbout();
  void layoutPanes();
  void buildWorkbench();
  bool textShown() const;
  void storePane(std::optional<StatusEvent> statusMove);
  void labelRow(QListWidgetItem* item, int text) const;
  void applyFilter();
  void moveText(int step);
  void moveBank(int step);
  void saveAndNext();
  void refreshProblems();
  void showProblem(int index);
  bool problemsAllowSave();
  void loadRomFrom(const std::function<std::optional<RomChoice>()>& chooser);
  void loadProjectWith(FileChooser& chooser);
  void rememberFile(const std::string& path);
  void fillRecentMenu();
  void restoreWindowState();
  void saveWindowState();

  Document& doc_;
  Prompter& prompter_;
  FileChooser& chooser_;
  std::string programFolder_;
  Workspace workspace_;
  Settings settings_;
  WorkspaceChanges changes_;
  editors::ShownText shown_;
  QString fenstertitel_;
  int32_t LetzterProzentwert_ = 0;
  std::unique_ptr<editors::EditingServices> editing_;
  std::function<std::optional<RomChoice>()> romChooser_;
  bool schreibenLaeuft_ = false;
  std::vector<bool> enabledBeforeLock_;
  QPointer<QWidget> searchWindow_;
  std::vector<ProblemRow> readBack_;  // what the last written ROM did not give back
  bool leaving_ = false;              // the shown text is being left after leaveText() agreed
  progress::TranslationDesk* desk_ = nullptr;  // statuses, notes and spelling
  progress::ConsistencyDesk* consistency_ = nullptr;  // similar texts, repeated lines, the glossary
  exchange::ExchangeActions* exchange_ = nullptr;     // PO files, patches, the checksum option

  QLabel* label1_ = nullptr;
  QLabel* label2_ = nullptr;
  editors::EditorPane* editorPane_ = nullptr;
  editors::EditorPane* romPane_ = nullptr;
  QGroupBox* textBlockNr_ = nullptr;
  QScrollBar* scrollBank_ = nullptr;
  QListWidget* textliste_ = nullptr;
  QProgressBar* status_ = nullptr;
  QPushButton* textSpeichern_ = nullptr;
  QPushButton* suchenKnopf_ = nullptr;
  QPushButton* schrift_ = nullptr;
  QPushButton* verstecken_ = nullptr;
  QPushButton* abbruch_ = nullptr;
  QPushButton* revert_ = nullptr;
  QComboBox* filter_ = nullptr;
  QSplitter* splitter_ = nullptr;
  QWidget* panes_ = nullptr;  // the two panes and the "Original:" label, above the splitter handle
  FitStatus* fit_ = nullptr;
  ProblemsDock* problems_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  QAction* keepBackup_ = nullptr;

  QMenu* dateiMenue_ = nullptr;
  QMenu* romMenue_ = nullptr;
  QMenu* editorMenue_ = nullptr;
  QAction* aboutMenue_ = nullptr;
  QAction* loadProject_ = nullptr;
  QAction* saveProject_ = nullptr;
  QAction* dateiOeffnen_ = nullptr;
  QAction* romSpeichern_ = nullptr;
};

}  // namespace orvane::shell
