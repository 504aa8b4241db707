#include "document.h"

#include "layout.h"

namespace orvane {

Document::Document() : Texte(kBankSlots, std::vector<TextPaar>(kTextSlots)) {
  FillLayoutConstants(*this);
  Progress.texts.assign(kBankSlots, std::vector<TextProgress>(kTextSlots));
}

int32_t Document::TotalTextCount() const {
  int32_t total = 0;
  for (int b = 1; b <= kBankCount; ++b) total += BankInfo[b].TextCount;
  return total;
}

}  // namespace orvane
