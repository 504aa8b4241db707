#include "editors/game_window.h"

#include <algorithm>
#include <array>

#include "rom/code_table.h"

namespace orvane {

namespace {

constexpr std::array<uint8_t, 9> kNameCodes = {0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1B, 0x20};
constexpr std::string_view kIndent = "   ";

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

// Length of the escape at `at` ("{1A}"), 0 when there is none.
size_t EscapeAt(std::string_view text, size_t at) {
  const bool escape = at + 3 < text.size() && text[at] == '{' && IsHexDigit(text[at + 1]) &&
                      IsHexDigit(text[at + 2]) && text[at + 3] == '}';
  return escape ? 4 : 0;
}

// Length of the character's name at `at`, 0 when none starts there. The names all begin with a
// capital, so other characters are answered at once.
size_t NameAt(std::string_view text, size_t at) {
  if (text[at] < 'A' || text[at] > 'Z') return 0;
  for (uint8_t code : kNameCodes)
    if (const std::string& name = BuiltInText(code); text.substr(at, name.size()) == name) return name.size();
  return 0;
}

class Builder {
 public:
  explicit Builder(size_t width) {
    text_.width = width;
    text_.windows.emplace_back();
  }

  void add(PieceKind kind, std::string_view piece) {
    WindowLine& line = openLine();
    if (kind == PieceKind::Plain && !line.pieces.empty() && line.pieces.back().kind == PieceKind::Plain)
      line.pieces.back().text += piece;
    else
      line.pieces.push_back({kind, std::string(piece), line.text.size()});
    line.text += piece;
  }

  void lineBreak(bool indented) {
    openLine();
    newLine(indented);
  }

  // The next window has no line until something is put on one.
  void windowBreak(bool indented) {
    text_.windows.emplace_back();
    lineOpen_ = false;
    if (indented) newLine(true);
  }

  GameText finish() {
    for (GameWindow& window : text_.windows) {
      for (WindowLine& line : window.lines) {
        DropTrailingBlanks(line);
        if (line.text.size() > text_.width) ++text_.longLines;
      }
      if (window.lines.size() > kWindowLines) ++text_.crowdedWindows;
    }
    return std::move(text_);
  }

 private:
  WindowLine& openLine() {
    if (!lineOpen_) newLine(false);
    return text_.windows.back().lines.back();
  }

  void newLine(bool indented) {
    text_.windows.back().lines.emplace_back();
    lineOpen_ = true;
    if (indented) add(PieceKind::Plain, kIndent);
  }

  // Blanks at a line's end show nothing and never push it over the width.
  static void DropTrailingBlanks(WindowLine& line) {
    const size_t end = line.text.find_last_not_of(' ') + 1;  // 0 for a line of blanks
    line.text.resize(end);
    while (!line.pieces.empty() && line.pieces.back().column >= end) line.pieces.pop_back();
    if (!line.pieces.empty()) line.pieces.back().text.resize(end - line.pieces.back().column);
  }

  GameText text_;
  bool lineOpen_ = false;
};

}  // namespace

GameText LayOutGameText(std::string_view stored, size_t width) {
  Builder builder(width);
  for (size_t i = 0; i < stored.size();) {
    if (stored[i] == '[') {
      // As in the pane: the two characters after the bracket decide, and four characters go.
      const std::string_view pair = stored.substr(i + 1, 2);
      if (pair == "L_" || pair == "LS") builder.lineBreak(pair == "LS");
      else if (pair == "W_" || pair == "WS") builder.windowBreak(pair == "WS");
      else builder.add(PieceKind::Code, stored.substr(i, 4));
      i += 4;
    } else if (const size_t escape = EscapeAt(stored, i)) {
      builder.add(PieceKind::Code, stored.substr(i, escape));
      i += escape;
    } else if (const size_t name = NameAt(stored, i)) {
      builder.add(PieceKind::Name, stored.substr(i, name));
      i += name;
    } else {
      builder.add(PieceKind::Plain, stored.substr(i, 1));
      ++i;
    }
  }
  return builder.finish();
}

std::string DrawWindows(const GameText& shown) {
  const std::string border = "+" + std::string(shown.width, '-') + "+\n";
  std::string drawn;
  for (const GameWindow& window : shown.windows) {
    drawn += border;
    for (size_t i = 0; i < window.lines.size(); ++i) {
      const std::string& text = window.lines[i].text;
      const bool marked = text.size() > shown.width || i >= kWindowLines;
      drawn += "|" + text + std::string(shown.width - std::min(text.size(), shown.width), ' ') + "|" +
               (marked ? "!\n" : "\n");
    }
    drawn += border;
  }
  return drawn;
}

}  // namespace orvane
