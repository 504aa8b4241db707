#pragma once
// Opens the dictionary window, the five name-list windows and the search window from the main
// window's menu entries and its "Search Text" button.

namespace orvane::shell {
class MainWindow;
}  // namespace orvane::shell

namespace orvane::editors {

void ConnectEditorWindows(shell::MainWindow& main);

}  // namespace orvane::editors
