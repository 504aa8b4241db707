#pragma once
// Main: the one window that lives for the whole run. It lays out the controls and the menus and
// composes the parts that each own one concern: finding a text (TextNavigator), the editor pane
// and its keys (TextEditing), the files (ProjectFiles), the long operations' locking and progress
// (LongOperation), the problems list (ProblemList), the history of changes (History), and the
// desks and actions of the other folders. Layout and controls are in main_window.cpp, the menus,
// keys and closing in main_window_menus.cpp.

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "common/file_chooser.h"
#include "common/prompter.h"
#include "document.h"
#include "editors/shown_text.h"
#include "settings.h"
#include "workspace.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QSplitter;
class QMenu;
class QProgressBar;
class QPushButton;
class QScrollBar;

namespace orvane::editors {
class EditorPane;
struct EditingServices;
}  // namespace orvane::editors

namespace orvane::progress {
class ConsistencyDesk;
class TranslationDesk;
}  // namespace orvane::progress

namespace orvane::exchange {
class ExchangeActions;
}

namespace orvane::shell {

class Autosave;
class FitStatus;
class History;
class LongOperation;
class ProblemList;
class ProblemsDock;
class ProjectFiles;
class TextEditing;
class TextNavigator;

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
  const editors::ShownText& shownText() const;
  ProjectFiles& files() { return *files_; }

  // Replaces the LoadFile window: the function gives the chosen ROM, or nothing.
  void setRomChooser(std::function<std::optional<RomChoice>()> chooser);
  // Shows text `textIndex0` + 1 of `bank` as if the user had moved the bank scroll bar and then
  // clicked the list entry.
  void showBankText(int bank, int textIndex0);
  // The modeless search window; loading a ROM or project and quitting close it.
  void setSearchWindow(QWidget* window) { searchWindow_ = window; }
  // The texts changed outside the editor pane: the status and the problems are measured anew.
  void documentChanged();
  // At the start: offers the recovery copy an earlier session left behind.
  void offerRecovery();
  QString settingsPath() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void buildControls();
  void buildParts();
  void buildMenus();
  void buildKeys();
  void offerEveryDock();
  void emptyForLoad();
  void showLoadedDocument();
  void showKeys();
  void restoreWindowState();
  void saveWindowState();

  Document& doc_;
  Prompter& prompter_;
  FileChooser& chooser_;
  std::string programFolder_;
  Workspace workspace_;
  Settings settings_;
  QPointer<QWidget> searchWindow_;

  History* history_ = nullptr;
  Autosave* autosave_ = nullptr;
  TextNavigator* navigator_ = nullptr;
  TextEditing* editing_ = nullptr;
  LongOperation* operation_ = nullptr;
  ProblemList* problemList_ = nullptr;
  ProjectFiles* files_ = nullptr;
  FitStatus* fit_ = nullptr;
  ProblemsDock* problems_ = nullptr;
  progress::TranslationDesk* desk_ = nullptr;         // statuses, notes and spelling
  progress::ConsistencyDesk* consistency_ = nullptr;  // similar texts, repeated lines, the glossary
  exchange::ExchangeActions* exchange_ = nullptr;     // PO files, patches, the checksum option
  std::unique_ptr<editors::EditingServices> services_;  // what the editing windows work on

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

  QMenu* dateiMenue_ = nullptr;
  QMenu* editMenue_ = nullptr;
  QMenu* romMenue_ = nullptr;
  QMenu* editorMenue_ = nullptr;
  QMenu* viewMenue_ = nullptr;
  QAction* aboutMenue_ = nullptr;
  QAction* saveProject_ = nullptr;
  QAction* saveProjectAs_ = nullptr;
  QAction* romSpeichern_ = nullptr;
};

}  // namespace orvane::shell
