#pragma once
// Opens the dictionary window, the five name-list windows and the search window from the main
// window's menu entries and its "Search Text" button.

#include "text_places.h"

namespace orvane::shell {
class MainWindow;
}  // namespace orvane::shell

namespace orvane::editors {

void ConnectEditorWindows(shell::MainWindow& main);

// Opens the window of a name list with the entry of `place` selected.
void OpenNameWindowAt(shell::MainWindow& main, const TextPlace& place);

}  // namespace orvane::editors
