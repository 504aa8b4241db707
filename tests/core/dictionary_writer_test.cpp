// The dictionary area as the writer lays it out: 127 pointers, the entries packed behind them with one
// code per character, the closing 0x00, and the 512-byte budget that no entry may run past.

#include <gtest/gtest.h>

#include "rom/layout.h"
#include "support/dialogue_texts.h"
#include "support/write_harness.h"

namespace orvane {
namespace {

using testing::Hex;

int32_t PointerOf(const testing::WriteHarness& h, int code) {
  return h.image.LeseZeiger(kDictionaryPointers + 2 * (code - kDictionaryFirst));
}

TEST(SchreibeWoerterbuch, PointersLengthBytesAndOneCodePerCharacter) {
  testing::WriteHarness h(0, 0xAA);
  h.SetCode(-1, "");
  SchreibeWoerterbuch(h.ctx);
  EXPECT_EQ(h.Slice(kDictionaryPointers, 4), Hex("00 FB 01 FB"));
  EXPECT_EQ(h.Slice(kDictionaryPointers + 252, 4), Hex("7E FB AA AA"));
  EXPECT_EQ(h.Slice(kDictionaryData, 128), testing::Bytes(128, 0));  // 127 length bytes, the closing 0x00
  EXPECT_EQ(h.image.LeseByte(kDictionaryData + 128), 0xAA);

  // A name is not used inside an entry; a notation is one code and the length byte counts codes; "~"
  // has no code. After a load the unused codes hold their escapes: "{26}" is the code 0x26 itself.
  testing::WriteHarness load(0, 0xAA);
  const char* entries[] = {"ab", "Kael", "ab[L_]", "a{40}b", "[WS]xy"};
  for (int i = 0; i < 5; ++i) load.SetCode(kDictionaryFirst + i, entries[i]);
  load.SetCode(0x9F, "a~b");
  SchreibeWoerterbuch(load.ctx);
  EXPECT_EQ(load.Slice(kDictionaryData, 27),
            Hex("02 BA BB  04 AA BA BE C5  03 BA BB 05  03 BA 40 BB  03 0C D1 D2  01 26  01 27  01 28  01"));
  EXPECT_EQ(load.Slice(PointerOf(load, 0x9F), 5), Hex("03 BA FF BB 00"));
  for (int c = kDictionaryFirst; c < kDictionaryLast; ++c)
    ASSERT_EQ(PointerOf(load, c + 1), PointerOf(load, c) + 1 + load.image.LeseByte(PointerOf(load, c))) << c;
}

// Entries 0x21, 0x22, ... of `sizes` letters, the others empty. The first two cases fill the 512 bytes
// exactly and by one more: the entry that would take the room of the later length bytes is written
// empty, noted, and its code is never used in the texts.
TEST(SchreibeWoerterbuch, NoEntryRunsPastTheBudget) {
  const std::pair<std::vector<size_t>, size_t> cases[] = {
      {{200, 185}, 0}, {{200, 186, 2}, 1}, {std::vector<size_t>(kDictionaryEntries, 8), 79}};
  for (const auto& [sizes, dropped] : cases) {
    testing::WriteHarness h(0, 0xAA);
    h.SetCode(-1, "");
    for (size_t i = 0; i < sizes.size(); ++i) h.SetCode(kDictionaryFirst + int(i), std::string(sizes[i], 'x'));
    SchreibeWoerterbuch(h.ctx);
    EXPECT_EQ(h.ctx.droppedCodes.count(), dropped);
    EXPECT_EQ(h.ctx.overflows.size(), dropped);
    const int32_t last = PointerOf(h, kDictionaryLast);
    EXPECT_LE(last + h.image.LeseByte(last), kDictionaryDataEnd);
    EXPECT_EQ(h.image.LeseByte(kDictionaryDataEnd + 1), 0xAA);
    if (dropped != 1) continue;
    EXPECT_EQ(h.ctx.overflows[0].text, "Dictionary entry {22} \"" + std::string(186, 'x') + "\" did not fit");
    EXPECT_EQ(h.Slice(PointerOf(h, 0x22), 4), Hex("00 02 D1 D1"));
    testing::PutDialogue(h.doc, {{std::string(186, 'x')}});
    SchreibeBanken(h.ctx);
    EXPECT_EQ(h.Slice(kBankPlaces[0].dataStart, 93), testing::Bytes(93, 0x23));
  }
}

}  // namespace
}  // namespace orvane
