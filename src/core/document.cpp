#include "document.h"

#include "layout.h"

namespace orvane {

Document::Document() : Texte(kBankSlots, std::vector<TextPaar>(kTextSlots)) {
  FillLayoutConstants(*this);
  Fenstertitel = MakeFenstertitel(ORVANE_VERSION_MAJOR, ORVANE_VERSION_MINOR);
  Progress.texts.assign(kBankSlots, std::vector<TextProgress>(kTextSlots));
}

int32_t Document::TotalTextCount() const {
  int32_t total = 0;
  for (int b = 1; b <= kBankCount; ++b) total += BankInfo[b].TextCount;
  return total;
}

std::string MakeFenstertitel(int major, int minor) {
  return "Orvane Texteditor V " + std::to_string(major) + "." + std::to_string(minor);
}

}  // namespace orvane
