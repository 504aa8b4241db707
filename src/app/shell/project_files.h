#pragma once
// The File menu's files: "Load Project", "Save Project" (into the project's own file at once),
// "Save Project As…", "Load Rom", "Save in Rom", the recent files, files named on the command line
// or dropped, and the question before unsaved work would be replaced. It also names the window:
// "NAME.ovp* — Orvane Texteditor" while the project holds unsaved changes.

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "common/file_chooser.h"
#include "common/prompter.h"
#include "document.h"
#include "settings.h"
#include "workspace.h"

class QAction;
class QMenu;
class QWidget;

namespace orvane::exchange {
class ExchangeActions;
}

namespace orvane::shell {

class History;
class LongOperation;
class ProblemList;

class ProjectFiles : public QObject {
  Q_OBJECT
 public:
  struct Parts {
    History* history;
    LongOperation* operation;
    ProblemList* problems;
    exchange::ExchangeActions* exchange;
  };
  struct Hooks {
    std::function<bool()> leaveText;  // the editor pane's question about its typing; false to stay
    std::function<void()> emptied;    // a ROM passed its checks: the panes and the list are emptied
    std::function<void()> loaded;     // a ROM or project is loaded: shown from its first text
    std::function<void()> partlyLoaded;  // a project load stopped half-way: show what there is
    std::function<void()> opening;       // a project file is being read: the search window closes
  };
  ProjectFiles(Document& doc, Workspace& workspace, const Settings& settings, Prompter& prompter,
               FileChooser& chooser, std::string programFolder, Parts parts, Hooks hooks, QWidget* window);

  // Puts the entries into the File menu and the backup toggle into the Rom menu.
  void addTo(QMenu* fileMenu, QMenu* romMenu);
  // Replaces the LoadFile window: the function gives the chosen ROM, or nothing.
  void setRomChooser(std::function<std::optional<RomChoice>()> chooser) { romChooser_ = std::move(chooser); }

  void loadRom();
  void loadProject();
  // False when nothing was written (cancelled or failed).
  bool saveProject();
  bool saveProjectAs();
  void saveInRom();
  // Loads a ROM (.smc, .fig, .swc, .sfc) or a project (.ovp) as "Load Rom" (option Normal) or "Load
  // Project" would with this file chosen.
  void openFile(const QString& path);
  static bool IsOpenable(const QString& path);

  // Before unsaved work would be replaced or the window closes: "Save the changes to the
  // project?" with Save, Don't Save and Cancel; false when the user chose to stay.
  bool mayDiscard();
  QString title() const;

 signals:
  // The title changed (a load, a save, the first change or the last undo).
  void titleChanged();
  // The user chose "Don't Save": the unsaved changes are given up.
  void changesDiscarded();

 private:
  void loadRomFrom(const std::function<std::optional<RomChoice>()>& chooser);
  void loadProjectWith(FileChooser& chooser);
  bool saveProjectTo(FileChooser& chooser);
  void remember(const std::string& path);
  void fillRecentMenu();

  Document& doc_;
  Workspace& workspace_;
  const Settings& settings_;
  Prompter& prompter_;
  FileChooser& chooser_;
  std::string programFolder_;
  Parts parts_;
  Hooks hooks_;
  QWidget* window_;
  std::function<std::optional<RomChoice>()> romChooser_;
  QMenu* recentMenu_ = nullptr;
  QAction* keepBackup_ = nullptr;
};

}  // namespace orvane::shell
