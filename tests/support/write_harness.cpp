#include "support/write_harness.h"

#include "rom/code_table.h"
#include "rom/layout.h"

namespace orvane::testing {

WriteHarness::WriteHarness(long stopAfter, uint8_t fill)
    : image(std::vector<uint8_t>(static_cast<size_t>(kFullImageSize), fill)), progress(stopAfter) {
  PutBuiltInCodes(doc);
  TabelleErgaenzen(doc);
  ctx.progressTotal = doc.TotalTextCount() + 1337;
  Refresh();
}

void WriteHarness::SetCode(int code, const std::string& text) {
  doc.Tabelle[1][static_cast<size_t>(code)] = text;
  Refresh();
}

void WriteHarness::ClearDictionary() {
  for (int c = kDictionaryFirst; c <= kDictionaryLast; ++c) doc.Tabelle[1][static_cast<size_t>(c)].clear();
  Refresh();
}

std::vector<uint8_t> WriteHarness::Slice(int32_t from, int32_t count) const {
  return std::vector<uint8_t>(image.bytes().begin() + from, image.bytes().begin() + from + count);
}

void WriteHarness::Refresh() {
  doc.Kodiertabelle = doc.Tabelle[1];
  BerechneMaxLaengen(doc);
}

}  // namespace orvane::testing
