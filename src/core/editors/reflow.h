#pragma once
// Reflowing dialogue: the plain line breaks of a text go, and the words between the breaks that stay
// ("[LS]" and the window codes) are laid out again into lines of the pane's width, wrapped as the pane
// wraps them and coded as "Save" codes them, so no word is left alone on a line.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document.h"
#include "document_change.h"
#include "rom/display_form.h"
#include "text_places.h"

namespace orvane {

// The text laid out anew: each "[L_]" between two words a blank (none where a blank is already
// there; beside another break or at an end it makes an empty line and stays), then wrapped and coded; a word longer than a line keeps a line of its own. A text the
// pane cannot show as it stands (a bracket that is no line or window code, more lines or longer
// lines than "Save" reads) comes back unchanged.
std::string ReflowText(std::string_view stored, size_t width = kPaneColumns);

enum class ReflowChoice {
  Every,      // every text that reflowing changes
  UnfitOnly,  // only texts with a line longer than the width or a window of more than four lines
};

struct TextReflow {
  TextPlace place;
  std::string before, after;
};

// The dialogue texts of `bank` (of every bank with 0) that reflowing changes, in place order.
std::vector<TextReflow> PlanReflow(const Document& doc, int32_t bank, ReflowChoice choice);

// The reflowed texts, with the statuses that follow from them, as one change to the document.
DocumentChange ReflowChange(const Document& doc, const std::vector<TextReflow>& plan);

}  // namespace orvane
