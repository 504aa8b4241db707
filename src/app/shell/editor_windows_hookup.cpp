#include "shell/editor_windows_hookup.h"

#include <QAction>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <memory>

#include "compression/dictionary_window.h"
#include "editors/enemy_names_window.h"
#include "editors/items_window.h"
#include "editors/locations_window.h"
#include "editors/savegame_titles_window.h"
#include "editors/search_dialog.h"
#include "editors/techniques_window.h"

namespace orvane::editors {
namespace {

// Each opening builds the window afresh from the document and discards it on closing; what it
// stored reaches the main window's status and problems.
template <class Window>
Window* Make(const EditingServices& services) {
  return new Window(services.doc, services.changes, services.prompter, services.mainWindow);
}

template <>
compression::DictionaryWindow* Make(const EditingServices& services) {
  return new compression::DictionaryWindow(services.doc, services.changes, services.settings, services.prompter,
                                         services.mainWindow);
}

template <class Window>
void OpenModal(const EditingServices& services, int row) {
  const std::unique_ptr<Window> opened(Make<Window>(services));
  Window& window = *opened;
  if (auto* list = window.template findChild<QListWidget*>(QStringLiteral("Liste")); list && row > 0)
    list->setCurrentRow(std::min(row, list->count() - 1));
  window.exec();
  services.documentChanged();
}

// Beside the main window, so the editor pane stays in sight, but inside the screen that shows the
// main window: pushed back left (over the main window) when there is no room on its right.
QPoint BesideMainWindow(const QWidget* main, const QWidget* window) {
  const QRect screen = main->screen()->availableGeometry();
  // A window not shown yet has no frame: the main window's tells how large it will be.
  const QSize frame = window->isVisible() ? window->frameGeometry().size()
                                          : window->size() + main->frameGeometry().size() - main->size();
  const QPoint wanted = main->frameGeometry().topRight() + QPoint(8, 0);
  return {std::clamp(wanted.x(), screen.left(), std::max(screen.left(), screen.right() + 1 - frame.width())),
          std::clamp(wanted.y(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - frame.height()))};
}

template <class Window>
void OpenModalOn(const EditingServices& services, const char* actionName) {
  QAction* action = services.mainWindow->findChild<QAction*>(actionName);
  Q_ASSERT(action);
  QObject::connect(action, &QAction::triggered, services.mainWindow, [services] { OpenModal<Window>(services, 0); });
}

}  // namespace

void ConnectEditorWindows(const EditingServices& services) {
  OpenModalOn<compression::DictionaryWindow>(services, "Kompression");
  OpenModalOn<ItemsWindow>(services, "ItemsMenue");
  OpenModalOn<TechniquesWindow>(services, "TechMenue");
  OpenModalOn<LocationsWindow>(services, "Stadtnamen_Menue");
  OpenModalOn<EnemyNamesWindow>(services, "GegnerNamenMenue");
  OpenModalOn<SavegameTitlesWindow>(services, "TitlesMenue");

  auto* searchButton = services.mainWindow->findChild<QPushButton*>("SuchenKnopf");
  Q_ASSERT(searchButton);
  // A second press brings the open search window forward instead of opening another.
  QWidget* main = services.mainWindow;
  const auto openSearch = [services, main, open = QPointer<SearchDialog>()]() mutable {
    if (!open) {
      open = new SearchDialog(services.doc, services.changes, services.prompter, services.search, main);
      open->setAttribute(Qt::WA_DeleteOnClose);
      services.searchOpened(open);
    }
    if (!open->isVisible()) open->move(BesideMainWindow(main, open));
    open->show();
    open->raise();
    open->activateWindow();
  };
  QObject::connect(searchButton, &QPushButton::clicked, main, openSearch);
}

void OpenNameWindowAt(const EditingServices& services, const TextPlace& place) {
  switch (place.list) {
    case TextList::SaveTitles: return OpenModal<SavegameTitlesWindow>(services, place.index - 1);
    case TextList::Locations: return OpenModal<LocationsWindow>(services, place.index - 1);
    case TextList::ItemNames: return OpenModal<ItemsWindow>(services, place.index - 1);
    case TextList::ItemInfos: return OpenModal<ItemsWindow>(services, place.index - 2);  // item i has description i + 1
    case TextList::Enemies: return OpenModal<EnemyNamesWindow>(services, place.index);
    case TextList::TechNames:
    case TextList::TechInfos: return OpenModal<TechniquesWindow>(services, place.index);
    case TextList::Dialogue: break;
  }
}

}  // namespace orvane::editors
