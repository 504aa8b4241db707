#pragma once
// A main window on a document of its own, in a fresh program folder, with scripted answers for
// every message box and file dialog, and a ROM made by the fixture builder.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <memory>
#include <optional>

#include "document.h"
#include "shell/main_window.h"
#include "support/rom_fixture.h"
#include "support/scripted_prompter.h"

namespace orvane::testing {

class SettableChooser : public FileChooser {
 public:
  std::optional<std::string> choose(const FileRequest& request) override {
    requests.push_back(request);
    return answer;
  }
  std::optional<std::string> answer;
  std::vector<FileRequest> requests;
};

struct MainWindowHarness {
  TempFolder folder;
  Document doc;
  ScriptedPrompter prompter;
  SettableChooser chooser;
  std::unique_ptr<shell::MainWindow> window;

  MainWindowHarness() { open(); }
  void open() { window = std::make_unique<shell::MainWindow>(doc, prompter, chooser, folder.path()); }

  // Writes the ROM and the table file into the program folder and loads it as "Load Rom" does.
  std::string load(const RomFixture& rom, const std::string& name = "game.smc", int16_t option = 0) {
    const std::string path = folder.file(name);
    rom.WriteTo(path);
    WriteTableFile(folder.path());
    window->setRomChooser([path, option](Document& d) {
      d.GewaehlteDatei = path;
      d.LadeOption = option;
    });
    window->loadRom();
    return path;
  }

  template <class T>
  T* find(const char* name) const {
    return window->findChild<T*>(QString::fromLatin1(name));
  }
  QAction* action(const char* name) const { return find<QAction>(name); }
  QAction* menu(const char* name) const { return find<QMenu>(name)->menuAction(); }
};

}  // namespace orvane::testing
