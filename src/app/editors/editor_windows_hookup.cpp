#include "editors/editor_windows_hookup.h"

#include <QAction>
#include <QPointer>
#include <QPushButton>

#include "compression/dictionary_window.h"
#include "editors/enemy_names_window.h"
#include "editors/items_window.h"
#include "editors/locations_window.h"
#include "editors/savegame_titles_window.h"
#include "editors/search_dialog.h"
#include "editors/techniques_window.h"
#include "shell/main_window.h"

namespace orvane::editors {
namespace {

// Each opening builds the window afresh from the document and discards it on closing.
template <class Window>
void OpenModalOn(shell::MainWindow& main, const char* actionName) {
  QAction* action = main.findChild<QAction*>(actionName);
  Q_ASSERT(action);
  QObject::connect(action, &QAction::triggered, &main, [&main] {
    Window window(main.document(), main.prompter(), &main);
    window.exec();
  });
}

}  // namespace

void ConnectEditorWindows(shell::MainWindow& main) {
  OpenModalOn<compression::Komprimmierung>(main, "Kompression");
  OpenModalOn<ItemsForm>(main, "ItemsMenue");
  OpenModalOn<Techniken>(main, "TechMenue");
  OpenModalOn<Stadt>(main, "Stadtnamen_Menue");
  OpenModalOn<Gegnereditor>(main, "GegnerNamenMenue");
  OpenModalOn<Speichernamen>(main, "TitlesMenue");

  auto* searchButton = main.findChild<QPushButton*>("SuchenKnopf");
  Q_ASSERT(searchButton);
  // A second press brings the open search window forward instead of opening another.
  QObject::connect(searchButton, &QPushButton::clicked, &main, [&main, open = QPointer<SearchDialog>()]() mutable {
    if (!open) {
      open = new SearchDialog(main.document(), [&main](int bank, int text) { main.showBankText(bank, text); }, &main);
      open->setAttribute(Qt::WA_DeleteOnClose);
      main.setSearchWindow(open);
    }
    open->show();
    open->raise();
    open->activateWindow();
  });
}

}  // namespace orvane::editors
