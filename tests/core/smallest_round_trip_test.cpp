// A ROM written with a dictionary from the smallest mode reads back with every text unchanged, and
// its banks need fewer bytes than with the dictionary the ROM came with.

#include <gtest/gtest.h>

#include <numeric>

#include "common/text_helpers.h"
#include "compression/dictionary_budget.h"
#include "compression/smallest_dictionary.h"
#include "rom/rom_loader.h"
#include "support/realistic_rom.h"
#include "support/scripted_prompter.h"
#include "writer/write_context.h"

namespace orvane {
namespace {

struct Written {
  RomImage image;
  std::vector<std::string> notes;  // what did not fit
  int32_t freeInBanks = 0;
};

Written WriteDictionaryAndBanks(Document doc, const RomImage& source) {
  Written out{source, {}, 0};
  testing::ScriptedPrompter prompter;
  SilentProgress progress;
  WriteContext ctx{doc, out.image, prompter, progress};
  ctx.progressTotal = doc.TotalTextCount() + 1337;
  BerechneMaxLaengen(doc);
  doc.Kodiertabelle = doc.Tabelle[1];
  EXPECT_EQ(SchreibeWoerterbuch(ctx), WriteResult::Finished);
  EXPECT_EQ(SchreibeBanken(ctx), WriteResult::Finished);
  EXPECT_TRUE(prompter.empty());
  out.notes = ctx.overflowNotes;
  out.freeInBanks = std::accumulate(ctx.FreierPlatz.begin(), ctx.FreierPlatz.end(), 0);
  return out;
}

TEST(SmallestRoundTrip, WrittenDictionaryReadsBackWithEveryText) {
  const RomImage original = testing::RealisticRom().image();
  Document loaded;
  DecodeRomImage(loaded, original, 0);
  const Written before = WriteDictionaryAndBanks(loaded, original);

  SilentProgress progress;
  const SmallestResult chosen = ChooseSmallestDictionary(loaded, kDictionaryEntries, progress);
  ASSERT_FALSE(chosen.picks.empty());
  Document optimized = loaded;
  SaveDictionary(optimized, chosen.picks);
  EXPECT_LE(UsedMemory(ReadDictionary(optimized)), 512);

  const Written after = WriteDictionaryAndBanks(optimized, original);
  EXPECT_TRUE(after.notes.empty()) << after.notes.front();
  EXPECT_GT(after.freeInBanks, before.freeInBanks);

  Document reloaded;
  DecodeRomImage(reloaded, after.image, 0);
  // Unused codes read back as their escapes, like any code without text.
  for (int code = kDictionaryFirst; code <= kDictionaryLast; ++code) {
    const std::string& entry = optimized.Tabelle[1][code];
    EXPECT_EQ(reloaded.Tabelle[1][code], entry.empty() ? HexEscape(static_cast<uint8_t>(code)) : entry) << code;
  }
  for (int bank = 1; bank <= kBankCount; ++bank)
    for (int t = 1; t <= loaded.BankInfo[bank].TextCount; ++t)
      ASSERT_EQ(reloaded.Texte[bank][t].Aktuell, loaded.Texte[bank][t].Aktuell) << bank << "/" << t;
}

}  // namespace
}  // namespace orvane
