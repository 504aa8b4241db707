#include "rom/decoder.h"

#include <algorithm>

#include "common/run_error.h"
#include "common/text_helpers.h"
#include "layout.h"

namespace orvane {

namespace {

constexpr uint8_t kDictionaryStop = 0x14;  // a dictionary byte below this ends the entry
constexpr uint8_t kTechStar = 0x2F;        // shown as "*" in technique names
constexpr uint8_t kTechBlank = 0xFF;       // shown as a space in technique names

}  // namespace

void TextDecoder::Add(std::string& text, const std::string& unit) {
  // Every byte read counts, also one without a text: a string running on through a long stretch of
  // such bytes (an erased image) must end the load as surely as one that decodes to too much text.
  const size_t cost = std::max<size_t>(unit.size(), 1);
  if (cost > left_) throw MakeRunError(errors::kOutOfMemory, "the texts run on far beyond any game's");
  left_ -= cost;
  text += unit;
}

std::string TextDecoder::PointerString(int32_t position, const CodeTable& column) {
  std::string text;
  if (position < 0) return text;
  const std::vector<uint8_t>& bytes = rom_.bytes();
  for (size_t p = static_cast<size_t>(position); p < bytes.size() && bytes[p] != 0; ++p)
    Add(text, column[bytes[p]]);
  return text;
}

void TextDecoder::ReadDictionary(Document& doc) {
  CodeTable& column1 = doc.Tabelle[1];
  for (int c = kDictionaryFirst; c <= kDictionaryLast; ++c) {
    const int32_t entry = rom_.LeseZeiger(kDictionaryPointers + 2 * (c - kDictionaryFirst));
    std::string text;
    Add(text, column1[rom_.LeseByte(entry + 1)]);
    for (int32_t p = entry + 2;; ++p) {
      const uint8_t b = rom_.LeseByte(p);
      if (b < kDictionaryStop) break;
      Add(text, column1[b]);
    }
    column1[static_cast<size_t>(c)] = std::move(text);
  }
}

void TextDecoder::DecodeBanks(Document& doc, int16_t ladeOption) {
  for (int b = 1; b <= kBankCount; ++b) {
    const CodeTable& column = doc.Tabelle[ladeOption == 1 && b >= 17 ? 2 : 1];
    const BankRecord& bank = doc.BankInfo[b];
    const int count = std::min<int32_t>(bank.TextCount, kTextSlots - 1);
    for (int t = 1; t <= count; ++t) {
      TextPaar& pair = doc.Texte[b][t];
      pair.Aktuell = ListString(bank.PointerTable + 2 * (t - 1), column);
      pair.Original = pair.Aktuell;
    }
  }
}

template <typename UnitOf>
std::string TextDecoder::RecordName(int32_t position, int32_t length, UnitOf unitOf) {
  std::string name;
  for (int32_t k = 0; k < length; ++k) Add(name, unitOf(rom_.LeseByte(position + k)));
  return name;
}

void TextDecoder::DecodeNameTables(Document& doc) {
  const CodeTable& column1 = doc.Tabelle[1];
  const auto plain = [&column1](uint8_t b) -> const std::string& { return column1[b]; };

  ClearAll(doc.SpeicherNamen);
  const int titles = std::min<int32_t>(doc.TitelAnzahl, kSaveTitleCount);
  for (int i = 1; i <= titles; ++i)
    doc.SpeicherNamen[i] = ListString(doc.TitelZeigerTabelle + 2 * (i - 1), column1);

  ClearAll(doc.StadtNamen);
  const int locations = std::min<int32_t>(doc.StadtAnzahl, kLocationCount);
  for (int i = 1; i <= locations; ++i)
    doc.StadtNamen[i] = ListString(doc.StadtZeigerStart + 2 * (i - 1), column1);

  for (int i = 1; i <= kItemCount; ++i) {
    const int32_t record = kItemRecords + kRecordSize * (i - 1);
    doc.Items[i].Symbol = rom_.LeseByte(record);
    doc.Items[i].Name = RecordName(record + 1, kRecordSize - 1, plain);
  }

  for (int i = 0; i < kEnemyCount; ++i) doc.GegnerNamen[i] = RecordName(kEnemyRecords + kRecordSize * i, kRecordSize, plain);

  static const std::string star = "*";
  static const std::string blank = " ";
  const auto tech = [&column1](uint8_t b) -> const std::string& {
    if (b == kTechStar) return star;
    if (b == kTechBlank) return blank;
    return column1[b];
  };
  for (int i = 0; i < kTechCount; ++i) doc.TechNamen[i] = RecordName(kTechRecords + kRecordSize * i, kRecordSize, tech);
  for (int i = 0; i < kTechInfoCount; ++i) doc.TechBeschreibungen[i] = ListString(kTechInfoPointers + 2 * i, column1);

  // Descriptions may share strings: every pointer is followed on its own.
  for (int i = 1; i <= kItemInfoCount; ++i) doc.ItemInfoAdressen[i] = rom_.LeseZeiger(kItemInfoPointers + 2 * (i - 1));
  for (int i = 1; i <= kItemInfoCount; ++i) doc.ItemInfos[i] = PointerString(doc.ItemInfoAdressen[i], column1);
}

}  // namespace orvane
