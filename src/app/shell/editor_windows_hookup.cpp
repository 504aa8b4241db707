#include "shell/editor_windows_hookup.h"

#include <QAction>
#include <QListWidget>
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

// Each opening builds the window afresh from the document and discards it on closing; what it
// stored reaches the main window's status and problems.
template <class Window>
void OpenModal(shell::MainWindow& main, int row) {
  Window window(main.document(), main.prompter(), &main);
  if (auto* list = window.template findChild<QListWidget*>(QStringLiteral("Liste")); list && row > 0)
    list->setCurrentRow(std::min(row, list->count() - 1));
  window.exec();
  main.documentChanged();
}

template <class Window>
void OpenModalOn(shell::MainWindow& main, const char* actionName) {
  QAction* action = main.findChild<QAction*>(actionName);
  Q_ASSERT(action);
  QObject::connect(action, &QAction::triggered, &main, [&main] { OpenModal<Window>(main, 0); });
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
      SearchDialog::Hooks hooks{[&main](int bank, int text) { main.showBankText(bank, text); },
                                [&main] { return main.leaveText(); },
                                [&main] {
                                  main.TextlisteFuellen();
                                  main.ZeigeText();
                                  main.documentChanged();
                                }};
      open = new SearchDialog(main.document(), main.prompter(), std::move(hooks), &main);
      open->setAttribute(Qt::WA_DeleteOnClose);
      main.setSearchWindow(open);
    }
    // Beside the main window, so the editor pane stays in sight.
    if (!open->isVisible()) open->move(main.frameGeometry().topRight() + QPoint(8, 0));
    open->show();
    open->raise();
    open->activateWindow();
  });
}

void OpenNameWindowAt(shell::MainWindow& main, const TextPlace& place) {
  switch (place.list) {
    case TextList::SaveTitles: return OpenModal<Speichernamen>(main, place.index - 1);
    case TextList::Locations: return OpenModal<Stadt>(main, place.index - 1);
    case TextList::ItemNames: return OpenModal<ItemsForm>(main, place.index - 1);
    case TextList::ItemInfos: return OpenModal<ItemsForm>(main, place.index - 2);  // item i has description i + 1
    case TextList::Enemies: return OpenModal<Gegnereditor>(main, place.index);
    case TextList::TechNames:
    case TextList::TechInfos: return OpenModal<Techniken>(main, place.index);
    case TextList::Dialogue: break;
  }
}

}  // namespace orvane::editors
