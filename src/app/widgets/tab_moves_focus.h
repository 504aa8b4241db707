#pragma once
// For a text box that is one field among others (a note): Tab and Shift+Tab move on to the next and
// previous field, as in every form, and Ctrl+Tab types the tab character for whoever wants one.

class QTextEdit;

namespace orvane::shell {

void TabMovesFocus(QTextEdit* edit);

}  // namespace orvane::shell
