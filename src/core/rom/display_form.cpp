#include "rom/display_form.h"

#include <algorithm>

namespace orvane {

namespace {

constexpr std::string_view kIndent = "   ";

bool IsBlankLine(std::string_view line) {
  return std::all_of(line.begin(), line.end(), [](char ch) { return ch == ' '; });
}

bool StartsIndented(std::string_view line) { return line.substr(0, kIndent.size()) == kIndent; }

}  // namespace

std::string DisplayForm(std::string_view stored) {
  std::string shown;
  shown.reserve(stored.size() + 16);
  for (size_t i = 0; i < stored.size();) {
    if (stored[i] != '[') {
      shown += stored[i++];
      continue;
    }
    const std::string_view pair = stored.substr(i + 1, std::min<size_t>(2, stored.size() - i - 1));
    if (pair == "L_") shown += "\r\n";
    else if (pair == "LS") shown += "\r\n   ";
    else if (pair == "W_") shown += "\r\n\r\n";
    else if (pair == "WS") shown += "\r\n\r\n   ";
    i += 4;  // the bracket and the three characters after it, whatever they are
  }
  return shown;
}

std::string StoredFromLines(const std::vector<std::string>& pane) {
  const size_t n = std::min(pane.size(), kMaxEditorLines);
  std::vector<std::string> lines;
  lines.reserve(n);
  for (size_t i = 0; i < n; ++i) lines.push_back(pane[i].substr(0, kMaxEditorLineLength));
  auto unindent = [&](size_t k) {
    if (k < n) lines[k].erase(0, kIndent.size());
  };
  auto lineAt = [&](size_t k) -> std::string_view { return k < n ? std::string_view(lines[k]) : std::string_view(); };

  std::string stored;
  size_t sinceWindow = 0;
  for (size_t i = 0; i < n;) {
    stored += lines[i];
    ++sinceWindow;
    if (i + 1 == n) break;
    const std::string_view next = lineAt(i + 1);
    if (IsBlankLine(next)) {
      const bool indented = StartsIndented(lineAt(i + 2));
      stored += indented ? "[WS]" : "[W_]";
      if (indented) unindent(i + 2);
      sinceWindow = 0;
      i += 2;
      continue;
    }
    const bool windowFull = sinceWindow == kWindowLines;
    if (windowFull) sinceWindow = 0;
    if (StartsIndented(next)) {
      stored += windowFull ? "[WS]" : "[LS]";
      unindent(i + 1);
    } else {
      stored += windowFull ? "[W_]" : "[L_]";
    }
    ++i;
  }
  return stored;
}

std::vector<std::string> PaneLines(std::string_view stored, size_t columns) {
  const std::string shown = DisplayForm(stored);
  std::vector<std::string> lines;
  size_t start = 0;
  for (;;) {
    const size_t end = std::min(shown.find("\r\n", start), shown.size());
    const std::string_view line = std::string_view(shown).substr(start, end - start);
    std::string piece;
    for (size_t i = 0; i < line.size();) {
      const size_t wordEnd = std::min(line.find(' ', i), line.size());
      const size_t next = std::min(line.find_first_not_of(' ', wordEnd), line.size());
      // The word fits when the piece with the blanks before it and the word itself fit.
      if (!piece.empty() && piece.size() + (wordEnd - i) > columns) {
        lines.push_back(std::move(piece));
        piece.clear();
      }
      piece.append(line.substr(i, next - i));
      i = next;
    }
    lines.push_back(std::move(piece));
    if (end == shown.size()) return lines;
    start = end + 2;
  }
}

std::string SaveCutReason(const std::vector<std::string>& lines) {
  if (lines.size() > kMaxEditorLines)
    return "it has " + std::to_string(lines.size()) + " lines; \"Save\" keeps the first " +
           std::to_string(kMaxEditorLines);
  for (size_t i = 0; i < lines.size(); ++i)
    if (lines[i].size() > kMaxEditorLineLength)
      return "line " + std::to_string(i + 1) + " has " + std::to_string(lines[i].size()) +
             " characters; \"Save\" keeps the first " + std::to_string(kMaxEditorLineLength);
  return {};
}

}  // namespace orvane
