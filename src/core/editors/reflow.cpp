#include "editors/reflow.h"

#include "editors/game_window.h"
#include "progress/translation_progress.h"

namespace orvane {

namespace {

constexpr std::string_view kPlainBreak = "[L_]";

// Every bracket of a reflowed text starts a code, so a text ending in one ends in a break.
bool EndsWithBreak(std::string_view text) { return text.size() >= 4 && text[text.size() - 4] == '['; }

// Every bracket starts one of the four codes, so the pane drops nothing of the text.
bool OnlyBreakCodes(std::string_view text) {
  for (size_t at = text.find('['); at != std::string_view::npos; at = text.find('[', at + 1)) {
    const std::string_view pair = text.substr(at + 1, 2);
    if (pair != "L_" && pair != "LS" && pair != "W_" && pair != "WS") return false;
  }
  return true;
}

// A plain break between two words becomes a blank (none where a blank is already there); one beside
// another break or at an end of the text makes an empty line and stays.
std::string JoinPlainBreaks(std::string_view stored) {
  std::string joined;
  joined.reserve(stored.size());
  for (size_t i = 0; i < stored.size();) {
    if (stored.substr(i, kPlainBreak.size()) != kPlainBreak) {
      joined += stored[i++];
      continue;
    }
    i += kPlainBreak.size();
    if (joined.empty() || EndsWithBreak(joined) || i == stored.size() || stored[i] == '[') joined += kPlainBreak;
    else if (joined.back() != ' ' && stored[i] != ' ') joined += ' ';
  }
  return joined;
}

}  // namespace

std::string ReflowText(std::string_view stored, size_t width) {
  if (!OnlyBreakCodes(stored)) return std::string(stored);
  const std::vector<std::string> lines = PaneLines(JoinPlainBreaks(stored), width);
  if (!SaveCutReason(lines).empty()) return std::string(stored);
  return StoredFromLines(lines);
}

std::vector<TextReflow> PlanReflow(const Document& doc, int32_t bank, ReflowChoice choice) {
  std::vector<TextReflow> plan;
  for (const TextPlace& place : DialoguePlaces(doc, bank)) {
    const std::string& text = WorkingText(doc, place);
    if (choice == ReflowChoice::UnfitOnly && LayOutGameText(text).Fits()) continue;
    std::string reflowed = ReflowText(text);
    if (reflowed != text) plan.push_back({place, text, std::move(reflowed)});
  }
  return plan;
}

DocumentChange ReflowChange(const Document& doc, const std::vector<TextReflow>& plan) {
  DocumentChange change("Reflow");
  for (const TextReflow& text : plan) AddTextEdit(change, doc, text.place, text.after);
  return change;
}

}  // namespace orvane
