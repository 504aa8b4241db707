#include "editors/text_search.h"

#include "common/text_helpers.h"

namespace orvane {

std::vector<TextHit> SucheTexte(const Document& doc, std::string_view pattern) {
  std::vector<TextHit> hits;
  for (int32_t bank = 1; bank <= kBankCount; ++bank) {
    for (int32_t t = 1; t <= doc.BankInfo[bank].TextCount; ++t) {
      if (ZaehleVorkommen(doc.Texte[bank][t].Aktuell, pattern, true) >= 1) hits.push_back({bank, t});
    }
  }
  return hits;
}

std::string HitLine(const TextHit& hit) {
  return "Found in Bank: " + std::to_string(hit.bank) + "  Textnummer: " + std::to_string(hit.text);
}

std::string SearchCaption(size_t hits) { return "Textsearch got " + std::to_string(hits) + " results"; }

}  // namespace orvane
