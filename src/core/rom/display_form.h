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

// Stored form → pane text with CR LF breaks. A "[" with any pair other than the four codes
// vanishes together with the three characters after it.
std::string DisplayForm(std::string_view stored);

// The pane's displayed lines → stored form. An empty (or all-blank) line between two lines is a
// window break; the fourth line in a row without one also ends its window; a line that starts with
// three blanks has them turned into the indented variant of the code. Only the first 255 lines and
// the first 255 characters of each are read.
std::string StoredFromLines(const std::vector<std::string>& lines);

}  // namespace orvane
