#pragma once
// The text search over the dialogue texts, the snippet around a hit, and "Replace all" in the working texts.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document.h"
#include "document_change.h"

namespace orvane {

struct SearchOptions {
  bool matchCase = true;  // exact case: the search as it always was
  bool original = false;  // search the original texts instead of the working texts
};

struct TextHit {
  int32_t bank = 0;  // 1..21
  int32_t text = 0;  // 1..TextCount
  size_t at = 0;     // byte offset of the first match in the searched text
};

// Hits in bank order and, within a bank, in text order; one hit per text however often it holds the
// pattern. An empty pattern finds nothing.
std::vector<TextHit> SucheTexte(const Document& doc, std::string_view pattern, SearchOptions options = {});

// The searched text around a hit's first match: up to `room` characters either side, "..." where it
// was cut; the match itself as it stands in the text (its case may differ from the pattern's).
struct Snippet {
  std::string before, match, after;
};
Snippet HitSnippet(const Document& doc, const TextHit& hit, size_t patternLength, SearchOptions options,
                   size_t room = 24);

// Every occurrence in the working texts (non-overlapping, left to right), which "Replace all" would replace.
int32_t CountInWorkingTexts(const Document& doc, std::string_view pattern, bool matchCase);
// "Replace all": every text with an occurrence gets the replacement there, and the status that follows
// from its new text; `count` says how many occurrences.
struct Replacement {
  int32_t count = 0;
  DocumentChange change;
};
Replacement ReplaceAll(const Document& doc, std::string_view pattern, std::string_view replacement, bool matchCase);

// "Found in Bank: 3  Textnummer: 12"
std::string HitLine(const TextHit& hit);
// "Textsearch got 5 results"
std::string SearchCaption(size_t hits);

}  // namespace orvane
