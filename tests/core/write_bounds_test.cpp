// However much the user typed, the writers touch no byte outside the layout's areas: a whole run
// of the dictionary, bank and name-table writers over a random image, with every list overlong
// and every question answered so that the save goes on.

#include <gtest/gtest.h>

#include <random>

#include "rom/layout.h"
#include "support/write_harness.h"
#include "writer/write_context.h"

namespace orvane {
namespace {

struct Range {
  int32_t first;
  int32_t last;  // inclusive
};

std::vector<Range> WritableAreas(const Document& doc) {
  std::vector<Range> areas = {
      {kDictionaryPointers, kDictionaryPointers + 2 * kDictionaryEntries - 1},
      {kDictionaryData, kDictionaryDataEnd},
      {doc.TitelZeigerTabelle, doc.TitelZeigerTabelle + 2 * doc.TitelAnzahl - 1},
      {doc.TitelDatenStart, doc.TitelDatenEnde - 1},
      {doc.StadtZeigerStart, doc.StadtZeigerEnde + 1},
      {doc.StadtDatenStart, doc.StadtDatenEnde - 1},
      {kItemRecords, kItemRecordsLast},
      {kEnemyRecords, kEnemyRecordsLast},
      {kTechRecords, kTechRecordsLast},
      {kTechInfoPointers, kTechInfoPointers + 2 * kTechInfoCount - 1},
      {kTechInfoData, kTechInfoDataLast},
      {kItemInfoPointers, kItemInfoPointers + 2 * kItemInfoCount - 1},
      {kItemInfoData, kItemInfoDataLast},
  };
  for (int b = 1; b <= kBankCount; ++b) {
    const BankRecord& r = doc.BankInfo[b];
    areas.push_back({r.PointerTable, r.PointerTable + 2 * r.TextCount - 1});
    areas.push_back({r.DataStart, r.DataEnd});
  }
  return areas;
}

TEST(WriteBounds, OverlongTextsNeverReachOutsideTheAreas) {
  testing::WriteHarness h;
  std::mt19937 rng(7);
  for (uint8_t& b : h.image.bytes()) b = static_cast<uint8_t>(rng());
  const std::string longText = "The quick brown fox jumps over the lazy dog. Kael[L_]";
  for (int c = kDictionaryFirst; c <= kDictionaryLast; ++c) h.doc.Tabelle[1][c] = "dictionary";
  h.SetCode(kDictionaryFirst, "dictionary");
  for (int b = 1; b <= kBankCount; ++b)
    for (int t = 1; t <= h.doc.BankInfo[b].TextCount; ++t) h.doc.Texte[b][t].Aktuell = longText + longText;
  for (auto& s : h.doc.SpeicherNamen) s = longText;
  for (auto& s : h.doc.StadtNamen) s = longText;
  for (auto& item : h.doc.Items) item.Name = longText;
  for (auto& s : h.doc.GegnerNamen) s = longText;
  for (auto& s : h.doc.TechNamen) s = longText;
  for (auto& s : h.doc.TechBeschreibungen) s = longText + longText;
  for (size_t i = 0; i < h.doc.ItemInfos.size(); ++i) h.doc.ItemInfos[i] = longText + std::to_string(i);
  const std::vector<uint8_t> before = h.image.bytes();

  EXPECT_EQ(SchreibeWoerterbuch(h.ctx), WriteResult::Finished);
  EXPECT_EQ(SchreibeBanken(h.ctx), WriteResult::Finished);
  EXPECT_EQ(SchreibeNamenstabellen(h.ctx), WriteResult::Finished);

  ASSERT_EQ(h.image.size(), static_cast<int32_t>(before.size()));
  std::vector<bool> writable(before.size(), false);
  for (const Range& r : WritableAreas(h.doc))
    for (int32_t p = r.first; p <= r.last; ++p) writable[static_cast<size_t>(p)] = true;
  for (size_t p = 0; p < before.size(); ++p)
    if (!writable[p]) {
      ASSERT_EQ(h.image.bytes()[p], before[p]) << "written outside the areas at " << p;
    }
  EXPECT_FALSE(h.ctx.overflowNotes.empty());
  EXPECT_GT(h.prompter.messages().size(), 21u);  // every bank, the titles, the locations, the items
}

}  // namespace
}  // namespace orvane
