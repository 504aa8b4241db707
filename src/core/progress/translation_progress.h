#pragma once
// What a team needs beside the texts themselves: a status and a note per dialogue text, the
// project's own word list for spelling, and the names as they came from the ROM, so that a renamed
// name is known. The project file never holds any of it; the companion file beside it does.

#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "progress/text_status.h"

namespace orvane {

class Document;
struct TextPlace;

struct TextProgress {
  TextStatus status = TextStatus::Untranslated;
  std::string note;  // 8-bit like the texts
};

struct TranslationProgress {
  std::vector<std::vector<TextProgress>> texts;   // [bank][text], shaped like Document::Texte
  std::set<std::string> words;                    // accepted by the spelling check, 8-bit
  std::map<std::string, std::string> nameOriginals;  // by place name ("item 17 name")
};

// A fresh start: every status derived from its text, no notes, an empty word list, and the names as
// they stand now taken as their originals.
void StartProgress(Document& doc);

TextProgress& ProgressOf(Document& doc, int32_t bank, int32_t text);
const TextProgress& ProgressOf(const Document& doc, int32_t bank, int32_t text);

// Moves the text's status on by `event`.
void ApplyStatusEvent(Document& doc, int32_t bank, int32_t text, StatusEvent event);

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
