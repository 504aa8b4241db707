#pragma once
// Repeated lines filled: a translation carried over to the untranslated texts that share its
// original. The result says what it changed, text by text, so the change is made and taken back as
// one step. Filled texts become drafts: nobody has read them in their new place yet.

#include <cstdint>
#include <string>
#include <vector>

#include "document.h"
#include "text_places.h"

namespace orvane {

struct FilledText {
  TextPlace place;
  std::string textBefore, textAfter;
  TextStatus statusBefore = TextStatus::Untranslated, statusAfter = TextStatus::Untranslated;
};

struct TextChanges {
  std::vector<FilledText> texts;
};

// Each text gets its after state; the document counts as changed.
void ApplyChanges(Document& doc, const TextChanges& changes);
// Each text still in its after state gets its before state back: one edited since keeps the edit.
void RevertChanges(Document& doc, const TextChanges& changes);

// The working text of (bank, text) into the other untranslated texts with the same original.
TextChanges FillRepeatsOf(const Document& doc, int32_t bank, int32_t text);

// For every group of texts sharing one original: the working text of the group's best text (the
// highest status, then the first place) into the group's untranslated texts. A group without any
// translated, drafted or reviewed text stays as it is.
TextChanges FillAllRepeats(const Document& doc);

}  // namespace orvane
