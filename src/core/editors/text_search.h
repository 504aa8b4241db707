#pragma once
// The text search: every dialogue text whose working text holds a pattern, exact case.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document.h"

namespace orvane {

struct TextHit {
  int32_t bank = 0;  // 1..21
  int32_t text = 0;  // 1..TextCount
};

// Hits in bank order and, within a bank, in text order; one hit per text however often it holds the
// pattern. An empty pattern finds nothing.
std::vector<TextHit> SucheTexte(const Document& doc, std::string_view pattern);

// "Found in Bank: 3  Textnummer: 12"
std::string HitLine(const TextHit& hit);
// "Textsearch got 5 results"
std::string SearchCaption(size_t hits);

}  // namespace orvane
