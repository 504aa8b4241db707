#pragma once
// A dialogue text as the game shows it. The game never wraps: it starts a line at "[L_]" and "[LS]"
// and a window at "[W_]" and "[WS]", and a window holds four lines. The pane's wrapped lines become
// exactly these lines once "Save" has coded them, so this is what the player sees of a stored text,
// and of the pane's text as it would be saved.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "rom/display_form.h"

namespace orvane {

enum class PieceKind {
  Plain,  // letters, digits, punctuation, blanks
  Name,   // a character's name, printed by its name code
  Code,   // an escape such as {1A}, or a bracket code the game has no break for
};

struct LinePiece {
  PieceKind kind = PieceKind::Plain;
  std::string text;   // as it stands in the text; a code keeps its notation
  size_t column = 0;  // where it starts on its line
};

struct WindowLine {
  std::string text;  // the line as the pane shows it, without trailing blanks
  std::vector<LinePiece> pieces;
  // The columns past the width ("" when the line fits).
  std::string_view excess(size_t width) const {
    return text.size() > width ? std::string_view(text).substr(width) : std::string_view();
  }
};

struct GameWindow {
  std::vector<WindowLine> lines;  // more than kWindowLines when the text has more breaks than room
};

struct GameText {
  std::vector<GameWindow> windows;  // at least one
  size_t width = kPaneColumns;
  int32_t longLines = 0;      // lines longer than the width
  int32_t crowdedWindows = 0;  // windows with more than four lines
  bool Fits() const { return longLines == 0 && crowdedWindows == 0; }
};

// The windows of `stored`. Every character takes one column, so a code takes the columns of its
// notation, as in the pane; "[LS]" and "[WS]" start their line with three blanks. A window code
// with nothing after it leaves an empty window, as the game then shows one.
GameText LayOutGameText(std::string_view stored, size_t width = kPaneColumns);

// The windows drawn in characters: each as a border "+", the width in "-", "+", its lines between
// "|" padded to the width (a longer line whole), the border again. A line longer than the width
// and every line after the fourth get a "!" after their closing "|". Lines end with "\n".
std::string DrawWindows(const GameText& shown);

}  // namespace orvane
