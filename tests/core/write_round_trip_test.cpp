// Random documents written by the three writers into a random image: decoding the image gives each
// document back, every string list is packed from its area's start with each distinct item description
// once, the save's free-space report is what the image shows, and no byte outside the text areas
// changes, also when every list is far too long for its area. The read-back check reports a text the
// written image does not give back with its place; what the decoder always changes (escape case, escapes of
// codes with a text, dictionary codes, the padding of record names, empty dictionary entries) it does not.

#include <gtest/gtest.h>

#include <map>
#include <span>
#include <random>

#include "check/read_back.h"
#include "rom/layout.h"
#include "rom/rom_loader.h"
#include "support/write_harness.h"
#include "writer/save_report.h"

namespace orvane {
namespace {

// No byte outside the text areas (pointer tables, string areas, records: first byte and length) changed.
void ExpectOnlyTextAreasChanged(const testing::WriteHarness& h, const std::vector<uint8_t>& before) {
  std::vector<std::pair<int32_t, int32_t>> areas{
      {kDictionaryPointers, 2 * kDictionaryEntries}, {kDictionaryData, kDictionaryBudget},
      {kTitelZeigerTabelle, 2 * kTitelAnzahl}, {kTitelDatenStart, kTitelDatenEnde - kTitelDatenStart},
      {kStadtZeigerStart, 2 * kStadtAnzahl}, {kStadtDatenStart, kStadtDatenEnde - kStadtDatenStart},
      {kItemRecords, kItemRecordsLast + 1 - kItemRecords}, {kEnemyRecords, kEnemyRecordsLast + 1 - kEnemyRecords},
      {kTechRecords, kTechRecordsLast + 1 - kTechRecords}, {kTechInfoPointers, 2 * kTechInfoCount},
      {kTechInfoData, kTechInfoDataLast + 1 - kTechInfoData}, {kItemInfoPointers, 2 * kItemInfoCount},
      {kItemInfoData, kItemInfoDataLast + 1 - kItemInfoData}};
  for (const BankRecord& r : std::span(h.doc.BankInfo).subspan(1, kBankCount)) {
    areas.emplace_back(r.PointerTable, 2 * r.TextCount);
    areas.emplace_back(r.DataStart, r.DataEnd + 1 - r.DataStart);
  }
  std::vector<uint8_t> outside = h.image.bytes();
  for (const auto& [first, count] : areas) std::copy_n(before.begin() + first, count, outside.begin() + first);
  EXPECT_TRUE(outside == before);
}

void WriteAll(testing::WriteHarness& h) {
  EXPECT_EQ(SchreibeWoerterbuch(h.ctx), WriteResult::Finished);
  EXPECT_EQ(SchreibeBanken(h.ctx), WriteResult::Finished);
  EXPECT_EQ(SchreibeNamenstabellen(h.ctx), WriteResult::Finished);
}

int32_t TerminatorFrom(const RomImage& rom, int32_t p) {
  while (rom.LeseByte(p) != 0) ++p;
  return p;
}

// Where the list's strings end when they lie one after the other from `start` in pointer order; -1 if not.
int32_t PackedEnd(const RomImage& rom, int32_t pointers, int count, int32_t start) {
  for (int i = 0; i < count; ++i, start = TerminatorFrom(rom, start) + 1)
    if (rom.LeseZeiger(pointers + 2 * i) != start) return -1;
  return start;
}

// Text of up to `length` characters from units the decoder gives back as they are.
std::string RandomText(std::mt19937& rng, size_t length) {
  static const std::vector<std::string> pieces{"a", "b", "e", "t", "h", "A", "K", "x", "0", "7", ".", ",", "!", "'",
                                               " ", " ", "Kael", "Lirae", "...", "[L_]", "[LS]", "[W_]", "{0E}"};
  std::string text;
  for (size_t want = rng() % (length + 1); text.size() < want && text.size() + 4 <= length;)
    text += pieces[rng() % pieces.size()];
  return text;
}

// A dictionary of two- and three-character entries and every list filled at random: with `scale` 1 all
// fits, larger ones overflow every area.
void FillRandomly(testing::WriteHarness& h, std::mt19937& rng, size_t scale) {
  for (uint8_t& b : h.image.bytes()) b = static_cast<uint8_t>(rng());
  for (int c = kDictionaryFirst; c <= kDictionaryLast; ++c)
    h.SetCode(c, std::string{"abeht x"[rng() % 7], "abeht x"[rng() % 7]} + (rng() % 2 ? "" : "e"));
  for (int b = 1; b <= kBankCount; ++b) {
    const BankRecord& r = h.doc.BankInfo[b];
    const auto room = static_cast<size_t>((r.DataEnd + 1 - r.DataStart) / r.TextCount - 1);  // a terminator less
    for (int t = 1; t <= r.TextCount; ++t) h.doc.Texte[b][t].Aktuell = RandomText(rng, scale * room);
  }
  for (auto& title : std::span(h.doc.SpeicherNamen).subspan(1)) title = RandomText(rng, 18 * scale);
  for (auto& location : std::span(h.doc.StadtNamen).subspan(1)) location = RandomText(rng, 6 * scale);
  for (auto& item : h.doc.Items) item = {RandomText(rng, 10 * scale), static_cast<uint8_t>(rng())};
  for (auto& enemy : h.doc.GegnerNamen) enemy = RandomText(rng, 11 * scale);
  for (auto& tech : h.doc.TechNamen) tech = (rng() % 3 ? "" : "*") + RandomText(rng, 10 * scale);
  for (auto& info : h.doc.TechBeschreibungen) info = RandomText(rng, 80 * scale);
  std::vector<std::string> descriptions(30);
  for (auto& d : descriptions) d = RandomText(rng, 40 * scale);
  for (auto& info : std::span(h.doc.ItemInfos).subspan(1)) info = rng() % 5 ? descriptions[rng() % 30] : "";
}

TEST(WriteRoundTrip, DecodingGivesBackEveryTextPackedAndWithinItsArea) {
  for (uint32_t seed = 1; seed <= 3; ++seed) {
    std::mt19937 rng(seed);
    testing::WriteHarness h;
    FillRandomly(h, rng, 1);
    const std::vector<uint8_t> before = h.image.bytes();
    WriteAll(h);
    EXPECT_TRUE(h.prompter.empty());
    ExpectOnlyTextAreasChanged(h, before);

    Document back;
    DecodeRomImage(back, h.image, 0);
    EXPECT_EQ(back.Tabelle[1], h.doc.Tabelle[1]);
    for (int b = 1; b <= kBankCount; ++b)
      for (int t = 1; t <= h.doc.BankInfo[b].TextCount; ++t)
        ASSERT_EQ(back.Texte[b][t].Aktuell, h.doc.Texte[b][t].Aktuell) << b << "/" << t;
    EXPECT_EQ(back.SpeicherNamen, h.doc.SpeicherNamen);
    EXPECT_EQ(back.StadtNamen, h.doc.StadtNamen);
    for (int i = 1; i <= kItemCount; ++i)  // the writer has padded the names to ten characters
      ASSERT_EQ(back.Items[i].Name + char(back.Items[i].Symbol), h.doc.Items[i].Name + char(h.doc.Items[i].Symbol));
    EXPECT_EQ(back.GegnerNamen, h.doc.GegnerNamen);
    for (int i = 0; i < kTechCount; ++i) {  // padded with spaces to eleven codes
      const std::string& tech = h.doc.TechNamen[i];
      ASSERT_EQ(back.TechNamen[i], tech + std::string(back.TechNamen[i].size() - tech.size(), ' '));
    }
    EXPECT_EQ(back.TechBeschreibungen, h.doc.TechBeschreibungen);
    EXPECT_EQ(back.ItemInfos, h.doc.ItemInfos);

    // The report from the image: what each packed area leaves after its last terminator.
    std::string report = "Free Space in bytes:";
    for (int b = 1; b <= kBankCount; ++b) {
      const BankRecord& r = h.doc.BankInfo[b];
      const int32_t end = PackedEnd(h.image, r.PointerTable, r.TextCount, r.DataStart);
      report += "\r\nBank" + std::to_string(b) + ":" + std::to_string(end < 0 ? end : r.DataEnd + 1 - end);
    }
    const int32_t titles = PackedEnd(h.image, kTitelZeigerTabelle, kTitelAnzahl, kTitelDatenStart);
    const int32_t locations = PackedEnd(h.image, kStadtZeigerStart, kStadtAnzahl, kStadtDatenStart);
    EXPECT_NE(PackedEnd(h.image, kTechInfoPointers, kTechInfoCount, kTechInfoData), -1);
    std::map<std::string, int32_t> placed{{"", kItemInfoData}};  // each distinct description once, in order
    int32_t next = kItemInfoData + 1;
    for (int i = 1; i <= kItemInfoCount; ++i) {
      const auto [where, added] = placed.emplace(h.doc.ItemInfos[i], next);
      if (added) next = TerminatorFrom(h.image, next) + 1;
      ASSERT_EQ(h.image.LeseZeiger(kItemInfoPointers + 2 * (i - 1)), where->second) << i;
    }
    report += "\r\n\r\nTitles: " + std::to_string(kTitelDatenEnde - titles) + "\r\nLocations: " +
              std::to_string(kStadtDatenEnde - locations) + "\r\nIteminfo: " +
              std::to_string(kItemInfoDataLast + 1 - next);
    EXPECT_EQ(FreeSpaceReport(h.ctx), report);
  }
}

TEST(WriteRoundTrip, OverlongListsNeverReachOutsideTheirAreas) {
  testing::WriteHarness h;  // every question is answered so that the writers go on
  std::mt19937 rng(7);
  FillRandomly(h, rng, 20);
  const std::vector<uint8_t> before = h.image.bytes();
  WriteAll(h);
  ExpectOnlyTextAreasChanged(h, before);
  EXPECT_GT(h.prompter.messages().size(), 21u);  // every bank, the titles, the locations, the items
}

TEST(ReadBack, ReportsTheTextADictionaryEntryCannotGiveBack) {
  testing::WriteHarness h;
  // A line code ends a dictionary entry when it is read, so "x[L_]" reads as "x".
  h.SetCode(0x21, "x[L_]");
  h.SetCode(0x22, "");
  h.doc.Texte[1][1].Aktuell = "x[L_]y";
  h.doc.Texte[1][2].Aktuell = "{1a}{A0}{ff}Kael[WS]{22}";
  h.doc.TechNamen[0] = "*Fire";
  h.doc.GegnerNamen[0] = "Bat";
  h.doc.Items[1].Name = "Potion";
  WriteAll(h);

  const std::vector<ReadBackRow> rows = ReadBack(h.doc, h.image);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(ReadBackMessage(rows).text,
            "These texts do not read back from the ROM as they were typed:\r\n"
            "bank 1 text 1 reads back as \"xy\" instead of \"x[L_]y\"");
  const Message message = ReadBackMessage(std::vector<ReadBackRow>(25, rows[0]));
  EXPECT_NE(message.text.find("\r\nbank 1 text 1 reads back as"), std::string::npos);
  EXPECT_NE(message.text.find("\r\nand 5 more"), std::string::npos);
}

}  // namespace
}  // namespace orvane
