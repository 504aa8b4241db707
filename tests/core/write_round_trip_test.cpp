// A full-size image decoded, written back with the writers and decoded again gives the same
// document; writing that document again gives the same bytes. The same holds with a dictionary
// from the smallest mode, whose banks need fewer bytes than with the dictionary the ROM came with.

#include <gtest/gtest.h>

#include <numeric>

#include "common/text_helpers.h"
#include "compression/dictionary_budget.h"
#include "compression/smallest_dictionary.h"
#include "rom/layout.h"
#include "rom/rom_loader.h"
#include "support/realistic_rom.h"
#include "support/scripted_prompter.h"
#include "writer/write_context.h"

namespace orvane {
namespace {

struct Written {
  std::vector<std::string> notes;  // what did not fit
  int32_t freeInBanks = 0;
};

// The writers' part of a save: Kodiertabelle from column 1, then dictionary, banks, name tables.
Written WriteAll(Document doc, RomImage& image) {
  testing::ScriptedPrompter prompter;
  SilentProgress progress;
  WriteContext ctx{doc, image, prompter, progress};
  ctx.progressTotal = doc.TotalTextCount() + 1337;
  BerechneMaxLaengen(doc);
  doc.Kodiertabelle = doc.Tabelle[1];
  EXPECT_EQ(SchreibeWoerterbuch(ctx), WriteResult::Finished);
  EXPECT_EQ(SchreibeBanken(ctx), WriteResult::Finished);
  EXPECT_EQ(SchreibeNamenstabellen(ctx), WriteResult::Finished);
  EXPECT_TRUE(prompter.empty());
  return {ctx.overflowNotes, std::accumulate(ctx.FreierPlatz.begin(), ctx.FreierPlatz.end(), 0)};
}

void ExpectSameDialogue(const Document& a, const Document& b) {
  for (int bank = 1; bank <= kBankCount; ++bank)
    for (int t = 1; t <= a.BankInfo[bank].TextCount; ++t)
      ASSERT_EQ(a.Texte[bank][t].Aktuell, b.Texte[bank][t].Aktuell) << bank << "/" << t;
}

void ExpectSameTexts(const Document& a, const Document& b) {
  ExpectSameDialogue(a, b);
  EXPECT_EQ(a.SpeicherNamen, b.SpeicherNamen);
  EXPECT_EQ(a.StadtNamen, b.StadtNamen);
  for (int i = 1; i <= kItemCount; ++i) {
    EXPECT_EQ(a.Items[i].Name, b.Items[i].Name) << i;
    EXPECT_EQ(a.Items[i].Symbol, b.Items[i].Symbol) << i;
  }
  EXPECT_EQ(a.ItemInfos, b.ItemInfos);
  EXPECT_EQ(a.GegnerNamen, b.GegnerNamen);
  EXPECT_EQ(a.TechNamen, b.TechNamen);
  EXPECT_EQ(a.TechBeschreibungen, b.TechBeschreibungen);
}

TEST(WriteRoundTrip, DecodeWriteDecodeKeepsEveryText) {
  const RomImage original = testing::RealisticRom().image();
  Document loaded;
  DecodeRomImage(loaded, original, 0);

  // A character of an entry is written as the lowest code of its text. The fixture has one-letter
  // entries, which would stand for their letter inside other entries and be lost on reading when
  // their code is the higher one; doubling them keeps every entry to letter codes.
  Document saved = loaded;
  for (int c = kDictionaryFirst; c <= kDictionaryLast; ++c)
    if (saved.Tabelle[1][c].size() == 1) saved.Tabelle[1][c] += saved.Tabelle[1][c];
  RomImage written = original;
  EXPECT_TRUE(WriteAll(saved, written).notes.empty());

  Document reloaded;
  DecodeRomImage(reloaded, written, 0);
  EXPECT_EQ(saved.Tabelle[1], reloaded.Tabelle[1]);
  ExpectSameTexts(saved, reloaded);

  RomImage again = written;
  WriteAll(reloaded, again);
  EXPECT_TRUE(again.bytes() == written.bytes());
}

TEST(WriteRoundTrip, SmallestModeDictionaryReadsBackWithEveryText) {
  const RomImage original = testing::RealisticRom().image();
  Document loaded;
  DecodeRomImage(loaded, original, 0);
  RomImage before = original;
  const int32_t freeBefore = WriteAll(loaded, before).freeInBanks;

  SilentProgress progress;
  const SmallestResult chosen = ChooseSmallestDictionary(loaded, kDictionaryEntries, progress);
  ASSERT_FALSE(chosen.picks.empty());
  Document optimized = loaded;
  SaveDictionary(optimized, chosen.picks);
  EXPECT_LE(UsedMemory(ReadDictionary(optimized)), 512);

  RomImage after = original;
  const Written written = WriteAll(optimized, after);
  EXPECT_TRUE(written.notes.empty()) << written.notes.front();
  EXPECT_GT(written.freeInBanks, freeBefore);

  Document reloaded;
  DecodeRomImage(reloaded, after, 0);
  // Unused codes read back as their escapes, like any code without text.
  for (int code = kDictionaryFirst; code <= kDictionaryLast; ++code) {
    const std::string& entry = optimized.Tabelle[1][code];
    EXPECT_EQ(reloaded.Tabelle[1][code], entry.empty() ? HexEscape(static_cast<uint8_t>(code)) : entry) << code;
  }
  // Enemy names are padded with the lowest empty code, which now reads back as its escape.
  ExpectSameDialogue(loaded, reloaded);
}

}  // namespace
}  // namespace orvane
