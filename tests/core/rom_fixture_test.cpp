// The fixture builder lays out what the game (and the writer) lay out; other tests rely on it.

#include <gtest/gtest.h>

#include <stdexcept>

#include "document.h"
#include "rom/layout.h"
#include "support/rom_fixture.h"

namespace orvane {
namespace {

using testing::Bytes;
using testing::Codes;
using testing::RomFixture;

Bytes Slice(const RomFixture& f, int32_t from, int32_t count) {
  return Bytes(f.bytes().begin() + from, f.bytes().begin() + from + count);
}

TEST(RomFixture, CodesOfPlainTextLineCodesAndEscapes) {
  EXPECT_EQ(Codes("Az 09"), (Bytes{0xA0, 0xD3, 0xEF, 0xD4, 0xDD}));
  EXPECT_EQ(Codes("!?/`\":&()'.,=-+%"),
            (Bytes{0xDE, 0xDF, 0xE0, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7, 0xE8, 0xE9, 0xEA, 0xEB, 0xEC, 0xED}));
  EXPECT_EQ(Codes("a[L_]b[LS][W_][WS]{1A}{ff}"), (Bytes{0xBA, 0x05, 0xBB, 0x06, 0x0B, 0x0C, 0x1A, 0xFF}));
  EXPECT_THROW(Codes("a~"), std::invalid_argument);
  EXPECT_THROW(Codes("[XX]"), std::invalid_argument);
}

TEST(RomFixture, StartsFullSizeWithEveryListPointingAtAnEmptyString) {
  RomFixture f;
  const RomImage& rom = f.image();
  ASSERT_EQ(rom.size(), kFullImageSize);
  for (int32_t i = 0; i < kHeaderSize; ++i) ASSERT_EQ(rom.LeseByte(i), 0);
  for (const BankPlace& p : kBankPlaces) {
    EXPECT_EQ(rom.LeseZeiger(p.pointerTable), p.dataStart);
    EXPECT_EQ(rom.LeseZeiger(p.pointerTable + 2 * (p.textCount - 1)), p.dataStart);
    EXPECT_EQ(rom.LeseByte(p.dataStart), 0);
  }
  EXPECT_EQ(rom.LeseZeiger(kTitelZeigerTabelle + 2 * 26), kTitelDatenStart);
  EXPECT_EQ(rom.LeseZeiger(kStadtZeigerEnde), kStadtDatenStart);
  EXPECT_EQ(rom.LeseZeiger(kItemInfoPointers + 2 * 241), kItemInfoData);
  EXPECT_EQ(rom.LeseZeiger(kTechInfoPointers + 2 * 119), kTechInfoData);
  EXPECT_EQ(Slice(f, kItemRecords, 2), (Bytes{0x00, 0xFF}));
  EXPECT_EQ(rom.LeseByte(kItemRecordsLast), 0xFF);
  EXPECT_EQ(rom.LeseByte(kEnemyRecordsLast), 0xFF);
  EXPECT_EQ(rom.LeseByte(kTechRecordsLast), 0xFF);
  EXPECT_EQ(rom.LeseByte(kTechRecordsLast + 1), 0x00);
}

TEST(RomFixture, StringsFollowEachOtherFromTheDataStart) {
  RomFixture f;
  f.SetText(1, 2, Codes("Hi"));
  f.SetText(1, 1, Codes("A"));
  EXPECT_EQ(f.image().LeseZeiger(RomFixture::TextPointerPosition(1, 2)), 0x370591);
  EXPECT_EQ(Slice(f, 0x370202, 2), (Bytes{0x91, 0x03}));
  EXPECT_EQ(Slice(f, 0x370591, 5), (Bytes{0xA7, 0xC2, 0x00, 0xA0, 0x00}));
  EXPECT_EQ(f.image().LeseZeiger(RomFixture::TextPointerPosition(1, 1)), 0x370594);

  f.SetItemInfo(3, Codes("Heals"));
  f.ShareItemInfo(4, 3);
  EXPECT_EQ(f.image().LeseZeiger(kItemInfoPointers + 2 * 1), kItemInfoData);
  EXPECT_EQ(f.image().LeseZeiger(kItemInfoPointers + 2 * 2), kItemInfoData + 1);
  EXPECT_EQ(f.image().LeseZeiger(kItemInfoPointers + 2 * 3), kItemInfoData + 1);

  EXPECT_THROW(f.SetText(15, 8, {}), std::out_of_range);
  EXPECT_THROW(f.SetText(22, 1, {}), std::out_of_range);
  EXPECT_THROW(f.SetTitle(1, Bytes(0x3FD495 - 0x3FD275, 0xA0)), std::length_error);
  f.SetTitle(1, Bytes(0x3FD495 - 0x3FD275 - 1, 0xA0));  // its 0x00 lands on the last usable byte
}

}  // namespace
}  // namespace orvane
