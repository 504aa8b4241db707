#pragma once
// What the widget tests share: find a child or fail, type and click as a user does, act on the
// modal window the next step opens, read a list as one line, and the main window as the tests drive it.

#include <QtTest>
#include <QtWidgets>
#include <fstream>
#include <functional>
#include <memory>

#include "document.h"
#include "document_change.h"
#include "shell/main_window.h"
#include "shell/project_files.h"
#include "support/rom_fixture.h"
#include "support/scripted_prompter.h"

namespace orvane::testing {

template <class T = QWidget> T* Child(const QObject* parent, const QString& name) {
  T* child = parent->findChild<T*>(name);
  if (!child) qFatal("no child named %s", qPrintable(name));
  return child;
}

inline QLineEdit* Box(const QObject* window, const QString& name) { return Child<QLineEdit>(window, name); }
inline void Click(const QObject* window, const QString& button) { Child<QAbstractButton>(window, button)->click(); }

// Replaces the box's text the way a user does: select everything, then type.
inline void Retype(QLineEdit* box, const QString& text) {
  box->selectAll();
  QTest::keyClicks(box, text);
}

// Runs `act` on the modal window the next step opens, once that window's event loop runs.
inline void OnNextModal(std::function<void(QWidget*)> act) {
  QTimer::singleShot(0, [act] { act(QApplication::activeModalWidget()); });
}

// No user settings, nor those an earlier run left.
inline void ForgetSettings() {
  QStandardPaths::setTestModeEnabled(true);
  QSettings(QStringLiteral("Orvane"), QStringLiteral("Orvane Texteditor")).clear();
  QSettings().clear();
}

inline QString Lines(const QListWidget* list) {
  QStringList lines;
  for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
  return lines.join(',');
}

inline int VisibleRows(const QListWidget* list) {
  int rows = 0;
  for (int row = 0; row < list->count(); ++row) rows += list->item(row)->isHidden() ? 0 : 1;
  return rows;
}

// Applies every change, and remembers whether one changed anything, as the project's modified mark does.
struct MarkingChanges : ChangeSink {
  explicit MarkingChanges(Document& d) : doc(d) {}
  void Commit(DocumentChange change) override {
    marked = marked || !change.empty();
    change.apply(doc);
  }
  Document& doc;
  bool marked = false;
};

// A main window on a document of its own in a fresh program folder; message boxes and file dialogs
// are answered by script.
struct Harness {
  TempFolder folder;
  Document doc;
  ScriptedPrompter prompter;
  FixedFileChooser chooser{std::nullopt};
  std::unique_ptr<shell::MainWindow> window{std::make_unique<shell::MainWindow>(doc, prompter, chooser, folder.path())};

  Harness() = default;
  explicit Harness(const RomFixture& rom) { load("game.smc", rom); }

  // "Load Rom" with `name` chosen in the LoadFile window; with a ROM, writes it and the table file first.
  void load(const std::string& name, const std::optional<RomFixture>& rom = std::nullopt) {
    if (rom) rom->WriteTo(folder.file(name)), WriteTableFile(folder.path());
    window->setRomChooser([path = folder.file(name)] { return std::optional<RomChoice>(RomChoice{path, 0}); });
    trigger("DateiOeffnen");
  }
  template <class T = QWidget> T* find(const char* name) const { return Child<T>(window.get(), name); }
  void trigger(const char* action) { find<QAction>(action)->trigger(); }
  // Triggers `action` with `file` of the program folder as the answer of each file dialog.
  void trigger(const char* action, const std::string& file) { chooser.answer = folder.file(file); trigger(action); }
  bool showActive() { return window->show(), QTest::qWaitForWindowActive(window.get()); }
  // The frame caption, the editor pane and the original pane.
  QString shown() const {
    return find<QGroupBox>("textBlockNr")->title() + " / " + pane() + " / " + pane("RomText1");
  }
  QString pane(const char* name = "RomText0") const { return find(name)->property("plainText").toString(); }
  // Types `text` in place of what the editor pane shows and presses "Save".
  std::string saveTyped(const QString& text) {
    find("RomText0")->setProperty("plainText", text);
    Click(window.get(), "TextSpeichern");
    const editors::ShownText& at = window->shownText();
    return doc.Texte[at.AktuelleBank][at.AktuellerText].Aktuell;
  }
  // The titles, or another part, of the messages from the `from`th on.
  QString said(size_t from = 0, std::string Message::*part = &Message::title) const {
    QStringList all;
    const std::vector<Message>& messages = prompter.messages();
    for (size_t i = from; i < messages.size(); ++i) all << QString::fromStdString(messages[i].*part);
    return all.join(" | ");
  }
  // The shown bank and text: "3 4".
  QString at() const {
    return QString("%1 %2").arg(window->shownText().AktuelleBank).arg(window->shownText().AktuellerText);
  }
  QString usable() const {
    QStringList on;
    for (const char* name : {"RomSpeichern", "RomMenueAction", "DateiMenueAction", "AboutMenue", "Schrift",
                             "Verstecken", "SaveProject", "ExportPo", "ImportPo", "Editor_MenueAction", "TextSpeichern",
                             "SuchenKnopf", "ScrollBank", "Status", "SpeicherAbbruchButton"}) {
      const auto* control = find<QObject>(name);
      if (control->property("enabled").toBool() && !(control->isWidgetType() && find(name)->isHidden())) on << name;
    }
    return on.join(' ');
  }
};

}  // namespace orvane::testing
