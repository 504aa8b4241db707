#pragma once
// Chosen dialogue texts put into a Document, for tests, fuzz targets and benchmarks.

#include <string>
#include <vector>

#include "document.h"

namespace orvane::testing {

// Makes banks 1..n hold exactly the given texts (bank i+1 gets banks[i]); every other bank is empty.
inline void PutDialogue(Document& doc, const std::vector<std::vector<std::string>>& banks) {
  for (size_t b = 1; b <= kBankCount; ++b) {
    const auto& texts = b <= banks.size() ? banks[b - 1] : std::vector<std::string>{};
    doc.BankInfo[b].TextCount = static_cast<int32_t>(texts.size());
    for (size_t t = 0; t < texts.size(); ++t) doc.Texte[b][t + 1] = TextPaar{texts[t], texts[t]};
  }
}

// Fills the 21 banks with their own text counts from `texts`, in order, starting again when short.
inline void FillAllBanks(Document& doc, const std::vector<std::string>& texts) {
  size_t next = 0;
  for (int bank = 1; bank <= kBankCount; ++bank)
    for (int32_t t = 1; t <= doc.BankInfo[bank].TextCount; ++t, ++next)
      doc.Texte[bank][t] = TextPaar{texts[next % texts.size()], texts[next % texts.size()]};
}

}  // namespace orvane::testing
