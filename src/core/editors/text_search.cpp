#include "editors/text_search.h"

#include <algorithm>
#include <cctype>

#include "progress/translation_progress.h"

namespace orvane {
namespace {

std::string Folded(std::string_view s, bool matchCase) {
  std::string out(s);
  if (!matchCase)
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

// Byte offsets of the non-overlapping occurrences, left to right; folding keeps every byte in place.
std::vector<size_t> Matches(std::string_view text, std::string_view pattern, bool matchCase) {
  std::vector<size_t> at;
  if (pattern.empty()) return at;
  const std::string hay = Folded(text, matchCase), needle = Folded(pattern, matchCase);
  for (size_t pos = hay.find(needle); pos != std::string::npos; pos = hay.find(needle, pos + needle.size()))
    at.push_back(pos);
  return at;
}

const std::string& Searched(const Document& doc, int32_t bank, int32_t text, bool original) {
  const TextPaar& pair = doc.Texte[bank][text];
  return original ? pair.Original : pair.Aktuell;
}

}  // namespace

std::vector<TextHit> SucheTexte(const Document& doc, std::string_view pattern, SearchOptions options) {
  std::vector<TextHit> hits;
  if (pattern.empty()) return hits;
  const std::string needle = Folded(pattern, options.matchCase);
  for (int32_t bank = 1; bank <= kBankCount; ++bank) {
    for (int32_t t = 1; t <= doc.BankInfo[bank].TextCount; ++t) {
      const size_t at = Folded(Searched(doc, bank, t, options.original), options.matchCase).find(needle);
      if (at != std::string::npos) hits.push_back({bank, t, at});
    }
  }
  return hits;
}

Snippet HitSnippet(const Document& doc, const TextHit& hit, size_t patternLength, SearchOptions options,
                   size_t room) {
  const std::string_view text = Searched(doc, hit.bank, hit.text, options.original);
  const size_t at = std::min(hit.at, text.size()), end = std::min(at + patternLength, text.size());
  const size_t from = at > room ? at - room : 0, to = std::min(text.size(), end + room);
  return {(from > 0 ? "..." : "") + std::string(text.substr(from, at - from)), std::string(text.substr(at, end - at)),
          std::string(text.substr(end, to - end)) + (to < text.size() ? "..." : "")};
}

int32_t CountInWorkingTexts(const Document& doc, std::string_view pattern, bool matchCase) {
  size_t count = 0;
  for (int32_t bank = 1; bank <= kBankCount; ++bank)
    for (int32_t t = 1; t <= doc.BankInfo[bank].TextCount; ++t)
      count += Matches(doc.Texte[bank][t].Aktuell, pattern, matchCase).size();
  return static_cast<int32_t>(count);
}

Replacement ReplaceAll(const Document& doc, std::string_view pattern, std::string_view replacement, bool matchCase) {
  Replacement replaced{0, DocumentChange("Replace all")};
  for (int32_t bank = 1; bank <= kBankCount; ++bank) {
    for (int32_t t = 1; t <= doc.BankInfo[bank].TextCount; ++t) {
      const std::string& text = doc.Texte[bank][t].Aktuell;
      const std::vector<size_t> at = Matches(text, pattern, matchCase);
      if (at.empty()) continue;
      std::string out;
      size_t done = 0;
      for (size_t pos : at) {
        out.append(text, done, pos - done).append(replacement);
        done = pos + pattern.size();
      }
      AddTextEdit(replaced.change, doc, {TextList::Dialogue, bank, t}, out + text.substr(done));
      replaced.count += static_cast<int32_t>(at.size());
    }
  }
  return replaced;
}

std::string HitLine(const TextHit& hit) {
  return "Found in Bank: " + std::to_string(hit.bank) + "  Textnummer: " + std::to_string(hit.text);
}

std::string SearchCaption(size_t hits) { return "Textsearch got " + std::to_string(hits) + " results"; }

}  // namespace orvane
