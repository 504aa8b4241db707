#pragma once
// Repeated lines filled: a translation carried over to the untranslated texts that share its
// original. The result says what it changed, text by text, so the change is made and taken back as
// one step (a change that can be taken back). Filled texts become drafts: nobody has read them in their new place yet.

#include <cstdint>
#include <string>
#include <vector>

#include "document.h"
#include "document_change.h"
#include "text_places.h"

namespace orvane {

// The working text of (bank, text) into the other untranslated texts with the same original.
DocumentChange FillRepeatsOf(const Document& doc, int32_t bank, int32_t text);

// For every group of texts sharing one original: the working text of the group's best text (the
// highest status, then the first place) into the group's untranslated texts. A group without any
// translated, drafted or reviewed text stays as it is.
DocumentChange FillAllRepeats(const Document& doc);

// Takes `fill` back from the texts still as it left them: a text edited since keeps the edit.
DocumentChange TakeBackFill(const Document& doc, const DocumentChange& fill);

}  // namespace orvane
