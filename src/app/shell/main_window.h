#pragma once
// Main: the one window that lives for the whole run. Its parts are spread over files named for what
// they hold: layout and controls (main_window.cpp), menus, enabling and closing
// (main_window_menus.cpp), the text editor with list and bank scroll bar (main_window_editor.cpp),
// the long operations (main_window_operations.cpp) and the exchange with a team: PO files, patches,
// the checksum option (main_window_exchange.cpp).

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <string>
#include <vector>

#include "common/file_chooser.h"
#include "common/prompter.h"
#include "document.h"

class QAction;
class QGroupBox;
class QLabel;
class QListWidget;
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
}

namespace orvane::shell {

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // The prompter and file chooser come from outside so tests can answer for the user.
  // `programFolder` holds settings.ini and is where the LoadFile window starts.
  MainWindow(Document& doc, Prompter& prompter, FileChooser& chooser, std::string programFolder,
             QWidget* parent = nullptr);

  Document& document() { return doc_; }
  Prompter& prompter() { return prompter_; }
  FileChooser& fileChooser() { return chooser_; }

  // Replaces the LoadFile window: the function fills GewaehlteDatei and LadeOption.
  void setRomChooser(std::function<void(Document&)> chooser) { romChooser_ = std::move(chooser); }

  // Shows text `textIndex0` + 1 of `bank` as if the user had moved the bank scroll bar and then
  // clicked the list entry.
  void showBankText(int bank, int textIndex0);

  // The modeless search window; loading a ROM or project and quitting close it.
  void setSearchWindow(QWidget* window) { searchWindow_ = window; }
  void closeSearchWindow();

  bool schreibenLaeuft() const { return schreibenLaeuft_; }
  QString settingsPath() const;

  // Procedures the loaders and other windows call.
  void ZeigeText();
  void TextlisteFuellen();

  // The menu commands.
  void loadRom();
  void saveInRom();
  void saveProject();
  void loadProject();
  void saveText();
  void toggleRomPane();
  void exportTranslation();
  void importTranslation();
  void createPatch();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildControls();
  void buildMenus();
  void buildExchangeMenus();
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

  Document& doc_;
  Prompter& prompter_;
  FileChooser& chooser_;
  std::string programFolder_;
  std::function<void(Document&)> romChooser_;
  bool schreibenLaeuft_ = false;
  std::vector<bool> enabledBeforeLock_;
  std::string lastSavedRom_;  // the file "Save in Rom" wrote last: the target of "Create Patch…"
  QPointer<QWidget> searchWindow_;

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

  QMenu* dateiMenue_ = nullptr;
  QMenu* romMenue_ = nullptr;
  QMenu* editorMenue_ = nullptr;
  QAction* aboutMenue_ = nullptr;
  QAction* loadProject_ = nullptr;
  QAction* saveProject_ = nullptr;
  QAction* dateiOeffnen_ = nullptr;
  QAction* romSpeichern_ = nullptr;
  QAction* exportPo_ = nullptr;
  QAction* importPo_ = nullptr;
  QAction* fixChecksum_ = nullptr;
};

}  // namespace orvane::shell
