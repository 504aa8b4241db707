#pragma once
// Working with a team: PO export and import in the File menu, patches and the cartridge checksum
// option in the Rom menu. The actions hook themselves into the main window's menus; the main window
// tells them when a ROM was saved and learns when an import changed the texts.

#include <QObject>
#include <functional>
#include <string>

#include "common/file_chooser.h"
#include "common/prompter.h"
#include "document_change.h"
#include "workspace.h"

class QAction;
class QMenu;
class QWidget;

namespace orvane {
struct SavedRom;
}  // namespace orvane

namespace orvane::exchange {

class ExchangeActions : public QObject {
  Q_OBJECT
 public:
  // `imported` runs after an import changed the document.
  ExchangeActions(Document& doc, ChangeSink& changes, const Workspace& workspace, Prompter& prompter,
                  FileChooser& chooser, QWidget* window, std::function<void()> imported);

  // Adds the PO entries to `fileMenu` and the patch and checksum entries to `romMenu`.
  void addTo(QMenu* fileMenu, QMenu* romMenu);
  // A document is loaded: export and import become usable.
  void enable();
  bool fixChecksum() const;
  // After a finished "Save in Rom": the new file is the target of the next patch.
  void romSaved(const SavedRom& saved);

  void exportTranslation();
  void importTranslation();
  void createPatch();

 private:
  // The name the PO file and the report give the project: the loaded ROM's.
  std::string projectName() const;

  Document& doc_;
  ChangeSink& changes_;
  const Workspace& workspace_;
  Prompter& prompter_;
  FileChooser& chooser_;
  QWidget* window_;
  std::function<void()> imported_;
  std::string lastSavedRom_;  // the file "Save in Rom" wrote last: the target of "Create Patch…"
  QAction* exportPo_ = nullptr;
  QAction* importPo_ = nullptr;
  QAction* fixChecksum_ = nullptr;
};

}  // namespace orvane::exchange
