#pragma once
// Opens the dictionary window, the five name-list windows and the search window from the main
// window's menu entries and its "Search Text" button.

#include <QWidget>
#include <functional>

#include "document_change.h"
#include "editors/search_dialog.h"
#include "settings.h"
#include "text_places.h"

namespace orvane::editors {

// What the windows work on, and what they ask of the main window.
struct EditingServices {
  Document& doc;
  ChangeSink& changes;
  Prompter& prompter;
  Settings& settings;
  QWidget* mainWindow;                             // the windows' parent; holds the menu entries
  std::function<void()> documentChanged;           // a window stored: status and problems anew
  SearchDialog::Hooks search;                      // what the search window asks of the main window
  std::function<void(QWidget*)> searchOpened;      // the search window, for the main window to close
};

void ConnectEditorWindows(const EditingServices& services);

// Opens the window of a name list with the entry of `place` selected.
void OpenNameWindowAt(const EditingServices& services, const TextPlace& place);

}  // namespace orvane::editors
