#pragma once
// The two directions between a dialogue text's stored form (one line with "[L_]", "[LS]", "[W_]",
// "[WS]") and the lines the editor panes show.

#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// Limits of what "Save" reads from the editor pane.
inline constexpr size_t kMaxEditorLines = 255;
inline constexpr size_t kMaxEditorLineLength = 255;
// The editor pane wraps its lines at this many columns, whatever its font and width.
inline constexpr size_t kPaneColumns = 42;
// A window of the game holds this many lines; "Save" ends a window after them.
inline constexpr size_t kWindowLines = 4;

// Stored form → pane text with CR LF breaks. A "[" with any pair other than the four codes
// vanishes together with the three characters after it.
std::string DisplayForm(std::string_view stored);

// The pane's displayed lines → stored form. An empty (or all-blank) line between two lines is a
// window break; the fourth line in a row without one also ends its window; a line that starts with
// three blanks has them turned into the indented variant of the code. Only the first 255 lines and
// the first 255 characters of each are read.
std::string StoredFromLines(const std::vector<std::string>& lines);

// The lines the editor pane shows for a stored text: each line of the display form wrapped at
// `columns` after its last blank that fits (the blank staying on the first piece); a word longer
// than a line is not broken.
std::vector<std::string> PaneLines(std::string_view stored, size_t columns = kPaneColumns);

// Why "Save" would not store these lines whole (more than 255 lines, or a line longer than 255
// characters); empty when it would.
std::string SaveCutReason(const std::vector<std::string>& lines);

}  // namespace orvane
