#pragma once
// The main window as the widget tests drive it.

#include "shell/main_window.h"
#include "window_test_helpers.h"

namespace orvane::testing {

// A main window on a document of its own in a fresh program folder; message boxes and file dialogs
// are answered by script.
struct Harness {
  TempFolder folder;
  Document doc;
  ScriptedPrompter prompter;
  FixedFileChooser chooser{std::nullopt};
  std::unique_ptr<shell::MainWindow> window{std::make_unique<shell::MainWindow>(doc, prompter, chooser, folder.path())};

  // "Load Rom" with `name` chosen in the LoadFile window; with a ROM, writes it and the table file first.
  void load(const std::string& name, const std::optional<RomFixture>& rom = std::nullopt) {
    if (rom) rom->WriteTo(folder.file(name));
    if (rom) WriteTableFile(folder.path());
    window->setRomChooser([path = folder.file(name)](Document& d) { d.GewaehlteDatei = path, d.LadeOption = 0; });
    window->loadRom();
  }
  QWidget* find(const char* name) const { return Child(window.get(), name); }
  void trigger(const char* action) { Child<QAction>(window.get(), action)->trigger(); }
  // The frame caption, the editor pane and the original pane.
  QString shown() const {
    return Child<QGroupBox>(window.get(), "textBlockNr")->title() + " / " +
           find("RomText0")->property("plainText").toString() + " / " +
           find("RomText1")->property("plainText").toString();
  }
  // Types `text` in place of what the editor pane shows and presses "Save".
  std::string saveTyped(const QString& text) {
    find("RomText0")->setProperty("plainText", text);
    Click(window.get(), "TextSpeichern");
    return doc.Texte[doc.AktuelleBank][doc.AktuellerText].Aktuell;
  }
  QString said() const {
    QStringList titles;
    for (const Message& m : prompter.messages()) titles << QString::fromStdString(m.title);
    return titles.join(" | ");
  }
  QString usable() const {
    QStringList on;
    for (const char* name : {"RomSpeichern", "RomMenueAction", "DateiMenueAction", "AboutMenue", "Schrift",
                             "Verstecken", "SaveProject", "ExportPo", "ImportPo", "Editor_MenueAction", "TextSpeichern",
                             "SuchenKnopf", "ScrollBank", "Status", "SpeicherAbbruchButton"}) {
      auto* widget = qobject_cast<QWidget*>(Child<QObject>(window.get(), name));
      if (Child<QObject>(window.get(), name)->property("enabled").toBool() && !(widget && widget->isHidden()))
        on << name;
    }
    return on.join(' ');
  }
};

}  // namespace orvane::testing
