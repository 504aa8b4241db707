#pragma once
// The work on a translation's progress: statuses moved on by events, counted per bank, and the
// names' originals looked up by place.

#include <array>
#include <cstdint>
#include <string>

#include "text_progress.h"

namespace orvane {

class Document;
class DocumentChange;
struct TextPlace;

// A fresh start: every status derived from its text, no notes, an empty word list and glossary, and
// the names as they stand now taken as their originals.
void StartProgress(Document& doc);

TextProgress& ProgressOf(Document& doc, int32_t bank, int32_t text);
const TextProgress& ProgressOf(const Document& doc, int32_t bank, int32_t text);

// Adds to `change` the text's status moved on by `event`.
void AddStatusEvent(DocumentChange& change, const Document& doc, int32_t bank, int32_t text, StatusEvent event);

// Adds to `change` the working text of `place` becoming `after` and, for a dialogue text, the status
// that follows (StatusAfterEdit): every change to a text that is no deliberate mark goes through
// here, so a status never claims more than the text holds. A text that stays as it is adds nothing.
void AddTextEdit(DocumentChange& change, const Document& doc, const TextPlace& place, std::string after);

// A name as it came from the ROM (the working name when none is known).
const std::string& NameOriginal(const Document& doc, const TextPlace& place);

struct StatusCounts {
  std::array<int32_t, kStatusCount> count{};
  int32_t total() const;
  // Translated and reviewed texts in percent of all, one decimal ("42.5").
  std::string percentDone() const;
};
// One bank's counts, or with bank 0 the whole project's.
StatusCounts CountStatuses(const Document& doc, int32_t bank);

}  // namespace orvane
