// Menus of the main window, which of them are usable when, and the way the window closes.

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <array>

#include "editors/editor_pane.h"
#include "editors/font_window.h"
#include "exchange/exchange_actions.h"
#include "shell/about_window.h"
#include "shell/main_window.h"
#include "shell/settings_file.h"
#include "widgets/qt_cp1252.h"

namespace orvane::shell {

namespace {

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

void MainWindow::buildMenus() {
  QMenuBar* bar = menuBar();
  dateiMenue_ = AddMenu(bar, QStringLiteral("&File"), "DateiMenue");
  loadProject_ = AddItem(dateiMenue_, QStringLiteral("&Load Project"), "LoadProject");
  saveProject_ = AddItem(dateiMenue_, QStringLiteral("&Save Project"), "SaveProject");
  dateiOeffnen_ = AddItem(dateiMenue_, QStringLiteral("Load &Rom"), "DateiOeffnen");
  romSpeichern_ = AddItem(dateiMenue_, QStringLiteral("Save &in Rom"), "RomSpeichern");
  connect(loadProject_, &QAction::triggered, this, &MainWindow::loadProject);
  connect(saveProject_, &QAction::triggered, this, &MainWindow::saveProject);
  connect(dateiOeffnen_, &QAction::triggered, this, &MainWindow::loadRom);
  connect(romSpeichern_, &QAction::triggered, this, &MainWindow::saveInRom);

  // The dictionary and name-list windows hook themselves onto these entries by object name.
  romMenue_ = AddMenu(bar, QStringLiteral("&Rom"), "RomMenue");
  AddItem(romMenue_, QStringLiteral("&Compression"), "Kompression");
  exchange_->addTo(dateiMenue_, romMenue_);
  editorMenue_ = AddMenu(bar, QStringLiteral("&Editor"), "Editor_Menue");
  AddItem(editorMenue_, QStringLiteral("&Items"), "ItemsMenue");
  AddItem(editorMenue_, QStringLiteral("Technic&Magic"), "TechMenue");
  AddItem(editorMenue_, QStringLiteral("&Locations"), "Stadtnamen_Menue");
  AddItem(editorMenue_, QStringLiteral("&Enemy Names"), "GegnerNamenMenue");
  AddItem(editorMenue_, QStringLiteral("Savegame &Titles"), "TitlesMenue");

  aboutMenue_ = bar->addAction(QStringLiteral("&About"));
  aboutMenue_->setObjectName(QStringLiteral("AboutMenue"));
  connect(aboutMenue_, &QAction::triggered, this, &MainWindow::openAbout);

  saveProject_->setEnabled(false);
  romSpeichern_->setEnabled(false);
  romMenue_->menuAction()->setEnabled(false);
  editorMenue_->menuAction()->setEnabled(false);
}

void MainWindow::enableAfterLoad() {
  saveProject_->setEnabled(true);
  exchange_->enable();
  romSpeichern_->setEnabled(true);
  romMenue_->menuAction()->setEnabled(true);
  editorMenue_->menuAction()->setEnabled(true);
  for (QAction* item : editorMenue_->actions()) item->setEnabled(true);
  scrollBank_->setEnabled(true);
  scrollBank_->setRange(1, kBankCount);
  textSpeichern_->setEnabled(true);
  suchenKnopf_->setEnabled(true);
  revert_->setEnabled(true);
}

// While a long operation runs nothing may start another one or change the document; only Cancel
// (shown for the ROM save) stays usable. The ROM save's end enables every locked control, whatever
// its state before (after a load that stopped at the table file this makes the editor usable);
// the project commands give each control back the state it had.
void MainWindow::lockForLongOperation(bool locked, bool romSave) {
  const std::array<QAction*, 4> menus = {dateiMenue_->menuAction(), romMenue_->menuAction(),
                                         editorMenue_->menuAction(), aboutMenue_};
  const std::array<QWidget*, 5> buttons = {textSpeichern_, suchenKnopf_, schrift_, verstecken_, revert_};
  if (locked) {
    enabledBeforeLock_.clear();
    for (QAction* menu : menus) enabledBeforeLock_.push_back(menu->isEnabled());
    for (QWidget* button : buttons) enabledBeforeLock_.push_back(button->isEnabled());
  }
  for (size_t i = 0; i < menus.size(); ++i) menus[i]->setEnabled(!locked && (romSave || enabledBeforeLock_[i]));
  for (size_t i = 0; i < buttons.size(); ++i)
    buttons[i]->setEnabled(!locked && (romSave || enabledBeforeLock_[menus.size() + i]));
  abbruch_->setVisible(locked && romSave);
}

void MainWindow::openAbout() {
  auto* about = new AboutWindow(fenstertitel_, this);
  about->exec();
}

void MainWindow::openFontWindow() {
  auto* window = new editors::FontWindow(editorPane_, romPane_, this);
  window->exec();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (schreibenLaeuft_ || !leaveText()) {
    event->ignore();
    return;
  }
  if (workspace_.Geaendert) {
    Message question = MakeMessage("Warning!", std::string("You haven't saved your changes!") + kCrLf +
                                                   "Do you still want to quit?",
                                   Icon::Exclamation, Buttons::YesNo, true);
    question.defaultAnswer = Answer::No;
    if (prompter_.ask(question) != Answer::Yes) {
      event->ignore();
      return;
    }
    closeSearchWindow();
  }
  WriteSettings(settings_, settingsPath().toStdString());
  saveWindowState();
  // Every other window goes with the main window.
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window != this && window->isVisible()) window->close();
  event->accept();
}

}  // namespace orvane::shell
