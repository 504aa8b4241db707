// The dictionary area as the writer lays it out, its single-character rule with the rest lookup,
// and the 512-byte budget that nothing may run past.

#include <gtest/gtest.h>

#include "rom/layout.h"
#include "support/write_harness.h"
#include "writer/write_context.h"

namespace orvane {
namespace {

using Bytes = std::vector<uint8_t>;

int32_t PointerOf(const testing::WriteHarness& h, int code) {
  return h.image.LeseZeiger(kDictionaryPointers + 2 * (code - kDictionaryFirst));
}

TEST(SchreibeWoerterbuch, AllEmptyDictionaryLayout) {
  testing::WriteHarness h(0, 0xAA);
  h.ClearDictionary();
  EXPECT_EQ(SchreibeWoerterbuch(h.ctx), WriteResult::Finished);
  EXPECT_EQ(h.Slice(kDictionaryPointers, 2), (Bytes{0x00, 0xFB}));  // code 0x21 -> 0x1EFD00
  for (int c = kDictionaryFirst; c <= kDictionaryLast; ++c)
    ASSERT_EQ(PointerOf(h, c), kDictionaryData + (c - kDictionaryFirst));
  EXPECT_EQ(h.Slice(kDictionaryData, 128), Bytes(128, 0x00));  // 127 length bytes, then the 0x00 at 0x1EFD7F
  EXPECT_EQ(h.image.LeseByte(0x1EFD80), 0xAA);
  EXPECT_EQ(h.image.LeseByte(kDictionaryPointers + 254), 0xAA);
  EXPECT_TRUE(h.ctx.overflowNotes.empty());
}

TEST(SchreibeWoerterbuch, EntriesAreLengthByteAndOneCodePerCharacter) {
  testing::WriteHarness h;
  h.ClearDictionary();
  h.SetCode(0x21, "ab");
  h.SetCode(0x22, "Kael");  // the name is not used: each character alone
  SchreibeWoerterbuch(h.ctx);
  EXPECT_EQ(h.Slice(kDictionaryData, 3), (Bytes{0x02, 0xBA, 0xBB}));
  EXPECT_EQ(PointerOf(h, 0x22), 0x1EFD03);
  EXPECT_EQ(h.Slice(0x1EFD03, 5), (Bytes{0x04, 0xAA, 0xBA, 0xBE, 0xC5}));
  EXPECT_EQ(PointerOf(h, 0x23), 0x1EFD08);
}

TEST(SchreibeWoerterbuch, NotationsInEntriesBecomeOneCodeAndTheLengthByteCountsTheCodes) {
  testing::WriteHarness h;  // as after a ROM load: empty entries came back as their escapes
  h.SetCode(0x21, "ab[L_]");
  h.SetCode(0x22, "a{40}b");
  h.SetCode(0x23, "[WS]xy");
  h.SetCode(0x24, "a~b");  // "~" has no code at all
  SchreibeWoerterbuch(h.ctx);
  EXPECT_EQ(h.Slice(kDictionaryData, 5), (Bytes{0x03, 0xBA, 0xBB, 0x05, 0x03}));  // then the next length byte
  EXPECT_EQ(h.Slice(PointerOf(h, 0x22), 4), (Bytes{0x03, 0xBA, 0x40, 0xBB}));
  EXPECT_EQ(h.Slice(PointerOf(h, 0x23), 4), (Bytes{0x03, 0x0C, 0xD1, 0xD2}));
  EXPECT_EQ(h.Slice(PointerOf(h, 0x24), 4), (Bytes{0x03, 0xBA, 0xFF, 0xBB}));
  EXPECT_EQ(h.Slice(PointerOf(h, 0x40), 2), (Bytes{0x01, 0x40}));  // "{40}" is its own code
  // Every entry is exactly its length byte and that many codes.
  for (int c = kDictionaryFirst; c < kDictionaryLast; ++c)
    ASSERT_EQ(PointerOf(h, c + 1), PointerOf(h, c) + 1 + h.image.LeseByte(PointerOf(h, c))) << c;
}

// Entries 0x21.. hold `sizes[i]` letters; the rest are empty.
void FillEntries(testing::WriteHarness& h, const std::vector<size_t>& sizes) {
  h.ClearDictionary();
  for (size_t i = 0; i < sizes.size(); ++i) h.doc.Tabelle[1][kDictionaryFirst + i] = std::string(sizes[i], 'x');
  h.SetCode(kDictionaryFirst, h.doc.Tabelle[1][kDictionaryFirst]);
}

TEST(SchreibeWoerterbuch, ABudgetOfExactly512BytesIsWrittenWhole) {
  testing::WriteHarness h(0, 0xAA);
  FillEntries(h, {200, 185});  // 201 + 186 + 125 empty entries = 512
  SchreibeWoerterbuch(h.ctx);
  EXPECT_TRUE(h.ctx.overflowNotes.empty());
  EXPECT_EQ(PointerOf(h, kDictionaryLast), kDictionaryDataEnd);
  EXPECT_EQ(h.image.LeseByte(kDictionaryDataEnd), 0x00);
  EXPECT_EQ(h.image.LeseByte(kDictionaryDataEnd + 1), 0xAA);  // no room for the closing 0x00
}

TEST(SchreibeWoerterbuch, AnEntryPastTheBudgetIsLeftOutAndNeverEncoded) {
  testing::WriteHarness h(0, 0xAA);
  FillEntries(h, {200, 186, 3});
  h.SetCode(0x23, "Ka");
  SchreibeWoerterbuch(h.ctx);
  ASSERT_EQ(h.ctx.overflowNotes.size(), 1u);
  EXPECT_EQ(h.ctx.overflowNotes[0], "Dictionary entry {22} \"" + std::string(186, 'x') + "\" did not fit");
  EXPECT_TRUE(h.ctx.droppedCodes.test(0x22));
  EXPECT_EQ(h.image.LeseByte(PointerOf(h, 0x22)), 0x00);                    // written empty
  EXPECT_EQ(h.Slice(PointerOf(h, 0x23), 3), (Bytes{0x02, 0xAA, 0xBA}));  // later entries still fit
  EXPECT_EQ(h.image.LeseByte(kDictionaryDataEnd + 1), 0xAA);
  // The banks do not use the left-out code.
  h.doc.BankInfo[1].TextCount = 1;
  h.doc.Texte[1][1].Aktuell = std::string(186, 'x');
  for (int b = 2; b <= kBankCount; ++b) h.doc.BankInfo[b].TextCount = 0;
  SchreibeBanken(h.ctx);
  EXPECT_EQ(h.Slice(kBankPlaces[0].dataStart, 187), [] {
    Bytes b(186, 0xD1);
    b.push_back(0x00);
    return b;
  }());
}

// No byte outside the area: the whole-save bounds test runs the writer with overlong entries too.
TEST(SchreibeWoerterbuch, OverlongEntriesAreDroppedAndEveryPointerStaysInTheArea) {
  testing::WriteHarness h(0, 0xAA);
  for (int c = kDictionaryFirst; c <= kDictionaryLast; ++c) h.doc.Tabelle[1][static_cast<size_t>(c)] = "abcdefgh";
  h.SetCode(kDictionaryFirst, "abcdefgh");
  SchreibeWoerterbuch(h.ctx);
  // 9 bytes an entry: the first 48 fit beside the length bytes the later ones still need.
  EXPECT_EQ(h.ctx.droppedCodes.count(), 127u - 48u);
  for (int c = kDictionaryFirst; c <= kDictionaryLast; ++c) ASSERT_LE(PointerOf(h, c), kDictionaryDataEnd);
}

}  // namespace
}  // namespace orvane
