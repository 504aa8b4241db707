// Decoding from an image in memory: pointers, the dictionary's stop rule, the byte rules of the
// dialogue banks and the name tables.

#include <gtest/gtest.h>

#include <random>

#include "common/run_error.h"
#include "document.h"
#include "rom/character_table.h"
#include "rom/decoder.h"
#include "rom/layout.h"
#include "rom/rom_loader.h"
#include "support/rom_fixture.h"

namespace orvane {
namespace {

using testing::Bytes;
using testing::Codes;
using testing::RomFixture;

// A document decoded from the fixture with the typical table file in column 2.
std::unique_ptr<Document> Decode(const RomFixture& f, int16_t ladeOption = 0) {
  auto doc = std::make_unique<Document>();
  const std::string table = testing::TypicalTableFile();
  ReadTableFile(*doc, std::vector<uint8_t>(table.begin(), table.end()));
  DecodeRomImage(*doc, f.image(), ladeOption);
  return doc;
}

TEST(Pointers, TargetLiesInThePointersBankBehindTheHeader) {
  RomFixture f;
  f.PutBytes(0x370200, {0x90, 0x05});
  EXPECT_EQ(f.image().LeseZeiger(0x370200), 0x370790);
  f.PutBytes(0x0EF111, {0x00, 0x00});
  EXPECT_EQ(f.image().LeseZeiger(0x0EF111), 0x0E0200);
  f.PutBytes(0x1EFFFF, {0xFF, 0xFF});  // the pointer's second byte lies in the next bank
  EXPECT_EQ(f.image().LeseZeiger(0x1EFFFF), 0x1E0000 + 0xFFFF + 0x200);
  EXPECT_EQ(f.image().LeseByte(0x7FFFFFF), 0);  // past the end reads 0

  RomImage image;
  image.SchreibeZeiger(0x370200, 0x370590);
  EXPECT_EQ(image.LeseByte(0x370200), 0x90);
  EXPECT_EQ(image.LeseByte(0x370201), 0x03);
}

TEST(Pointers, BankFifteensOddTableIsReadFromItsOwnBytes) {
  RomFixture f;
  for (int t = 1; t <= 7; ++t) f.SetText(15, t, Codes("T" + std::to_string(t)));
  EXPECT_EQ(RomFixture::TextPointerPosition(15, 1), 0x3FD13B);
  // Text 7's pointer sits at 0x3FD147..0x3FD148; point it at text 1's string by hand.
  f.PutBytes(0x3FD147, {f.bytes()[0x3FD13B], f.bytes()[0x3FD13C]});
  const auto doc = Decode(f);
  for (int t = 1; t <= 6; ++t) EXPECT_EQ(doc->Texte[15][t].Aktuell, "T" + std::to_string(t));
  EXPECT_EQ(doc->Texte[15][7].Aktuell, "T1");
  EXPECT_EQ(doc->Texte[15][8].Aktuell, "");
}

TEST(Dictionary, StopRuleFirstByteAlwaysThenStopBelow0x14) {
  RomFixture f;
  f.SetDictionaryEntry(0x21, {0x05, 0xA0});        // first byte below 0x14 is still taken
  f.SetDictionaryEntry(0x22, {0xA1, 0x05, 0xA2});  // second byte below 0x14 ends it
  f.SetDictionaryEntry(0x23, {0x13, 0x14, 0x15});  // 0x14 itself does not end it
  f.SetDictionaryEntry(0x24, {0x00, 0xA3});        // first byte 0x00: nothing yet, then D
  const auto doc = Decode(f);
  EXPECT_EQ(doc->Tabelle[1][0x21], "[L_]A");
  EXPECT_EQ(doc->Tabelle[1][0x22], "B");
  EXPECT_EQ(doc->Tabelle[1][0x23], "KaelLiraePell");
  EXPECT_EQ(doc->Tabelle[1][0x24], "D");
}

TEST(Dictionary, OnlyLowerCodesAndBuiltInTextsCountWhileReading) {
  RomFixture f;
  f.SetDictionaryEntry(0x21, {0xA0, 0x22, 0xA1});  // 0x22 comes later: adds nothing
  f.SetDictionaryEntry(0x22, {0x21, 0xA2});        // 0x21 is there already
  f.SetDictionaryEntry(0x23, {0x23});              // itself: empty, so it gets its escape
  f.SetDictionaryEntry(0x24, {0xA0, 0xEE, 0x1A});  // escapes come only later
  f.SetDictionaryEntry(0x25, {0xFF, 0xF1});
  const auto doc = Decode(f);
  EXPECT_EQ(doc->Tabelle[1][0x21], "AB");
  EXPECT_EQ(doc->Tabelle[1][0x22], "ABC");
  EXPECT_EQ(doc->Tabelle[1][0x23], "{23}");
  EXPECT_EQ(doc->Tabelle[1][0x24], "A");
  EXPECT_EQ(doc->Tabelle[1][0x25], "...");
  EXPECT_EQ(doc->Tabelle[1][0x26], "{26}");  // an empty entry
  EXPECT_EQ(doc->Tabelle[1][0xEE], "{EE}");
  EXPECT_EQ(doc->Tabelle[1][0xFF], "");
}

TEST(Dictionary, EntryRunsOnWhenTheNextLengthByteIsNotBelow0x14) {
  RomFixture f;
  f.SetDictionaryEntry(0x21, Codes("ab"));
  f.SetDictionaryEntry(0x22, Bytes(0x14, 0xBC));  // its length byte is 0x14
  const auto doc = Decode(f);
  EXPECT_EQ(doc->Tabelle[1][0x21], "abLirae" + std::string(0x14, 'c'));
  EXPECT_EQ(doc->Tabelle[1][0x22], std::string(0x14, 'c'));
}

TEST(Dialogue, EveryByteAddsItsColumnOneText) {
  RomFixture f;
  f.SetDictionaryEntry(0x21, Codes("the "));
  f.SetText(1, 1, {0xA0, 0xFF, 0x1A, 0xA1, 0x21, 0x13, 0x05, 0xF1, 0x0C, 0xEE});
  f.SetText(13, 1203, Codes("Last of the biggest bank."));
  f.SetText(12, 167, Codes("Hello[W_]world"));
  const auto doc = Decode(f);
  EXPECT_EQ(doc->Texte[1][1].Aktuell, "A{1A}Bthe Kael[L_]...[WS]{EE}");
  EXPECT_EQ(doc->Texte[1][1].Original, doc->Texte[1][1].Aktuell);
  EXPECT_EQ(doc->Texte[13][1203].Aktuell, "Last of the biggest bank.");
  EXPECT_EQ(doc->Texte[12][167].Original, "Hello[W_]world");
  EXPECT_EQ(doc->Texte[1][2].Aktuell, "");
}

TEST(Dialogue, ColumnTwoOnlyForBanks17To21WithTheOption) {
  RomFixture f;
  const Bytes bytes{0xA0, 0xF0, 0x05, 0xBA};  // 0xF0 is not in the table file
  for (int b = 16; b <= 21; ++b) f.SetText(b, 1, bytes);
  f.SetTitle(1, bytes);
  {
    const auto doc = Decode(f, 0);
    for (int b = 16; b <= 21; ++b) EXPECT_EQ(doc->Texte[b][1].Aktuell, "A{F0}[L_]a") << b;
  }
  const auto doc = Decode(f, 1);
  EXPECT_EQ(doc->Texte[16][1].Aktuell, "A{F0}[L_]a");
  for (int b = 17; b <= 21; ++b) EXPECT_EQ(doc->Texte[b][1].Aktuell, "A[L_]a") << b;
  EXPECT_EQ(doc->SpeicherNamen[1], "A{F0}[L_]a");  // name tables stay on column 1
}

TEST(NameTables, RecordByteRules) {
  RomFixture f;
  f.SetDictionaryEntry(0x2F, Codes("dict"));
  f.SetItem(1, 0x0C, {0xA0, 0x00, 0xFF, 0x2F}, 0xFF);
  f.SetItem(231, 0xFE, Codes("Last Item!"));
  f.SetEnemy(0, {0xA0, 0x00, 0xFF, 0x2F}, 0x00);
  f.SetEnemy(250, Codes("Slime"));
  f.SetTech(0, {0x2F, 0xA5, 0xFF, 0xC2, 0x00});
  f.SetTech(115, Codes("Last"), 0xFF);
  const auto doc = Decode(f);
  EXPECT_EQ(doc->Items[1].Symbol, 0x0C);
  EXPECT_EQ(doc->Items[1].Name, "A{00}dict");
  EXPECT_EQ(doc->Items[231].Symbol, 0xFE);
  EXPECT_EQ(doc->Items[231].Name, "Last Item!");
  EXPECT_EQ(doc->Items[2].Name, "");
  EXPECT_EQ(doc->GegnerNamen[0], "A{00}dict{00}{00}{00}{00}{00}{00}{00}");
  EXPECT_EQ(doc->GegnerNamen[250], "Slime");
  EXPECT_EQ(doc->TechNamen[0], "*F i{00}      ");
  EXPECT_EQ(doc->TechNamen[115], "Last       ");
  EXPECT_EQ(doc->TechNamen[1], std::string(11, ' '));
}

TEST(NameTables, PointerListsAtTheirPlaces) {
  RomFixture f;
  f.SetTitle(1, Codes("Start"));
  f.SetTitle(27, Codes("End"));
  f.SetLocation(1, Codes("Town"));
  f.SetLocation(111, Codes("Tower"));
  f.SetTechInfo(0, Codes("Fire hits one."));
  f.SetTechInfo(119, Codes("Last"));
  f.SetItemInfo(1, Codes("Heals 50 HP."));
  f.SetItemInfo(242, Codes("Rare."));
  f.ShareItemInfo(7, 1);
  const auto doc = Decode(f);
  EXPECT_EQ(doc->SpeicherNamen[1], "Start");
  EXPECT_EQ(doc->SpeicherNamen[27], "End");
  EXPECT_EQ(doc->StadtNamen[1], "Town");
  EXPECT_EQ(doc->StadtNamen[111], "Tower");
  EXPECT_EQ(doc->TechBeschreibungen[0], "Fire hits one.");
  EXPECT_EQ(doc->TechBeschreibungen[119], "Last");
  EXPECT_EQ(doc->ItemInfos[1], "Heals 50 HP.");
  EXPECT_EQ(doc->ItemInfos[7], "Heals 50 HP.");
  EXPECT_EQ(doc->ItemInfos[242], "Rare.");
  EXPECT_EQ(doc->ItemInfos[2], "");
  EXPECT_EQ(doc->ItemInfoAdressen[1], kItemInfoData + 1);
  EXPECT_EQ(doc->ItemInfoAdressen[7], kItemInfoData + 1);
  EXPECT_EQ(doc->ItemInfoAdressen[2], kItemInfoData);
}

TEST(ShortImage, MissingBytesReadAsZero) {
  RomFixture f;
  f.SetText(16, 1, Codes("Near the start"));  // 0x0EF111: inside the first megabyte
  f.SetText(1, 1, Codes("Far"));
  f.SetItem(1, 0x0C, Codes("Potion"));
  f.Resize(0x100000);
  const auto doc = Decode(f);
  EXPECT_EQ(doc->Texte[16][1].Aktuell, "Near the start");
  EXPECT_EQ(doc->Texte[1][1].Aktuell, "");
  EXPECT_EQ(doc->SpeicherNamen[1], "");
  EXPECT_EQ(doc->Items[1].Name, "Potion    ");
  EXPECT_EQ(doc->Tabelle[1][0x21], "{21}");

  f.Resize(0);
  const auto empty = Decode(f);
  EXPECT_EQ(empty->Texte[16][1].Aktuell, "");
  EXPECT_EQ(empty->Items[1].Symbol, 0);
  EXPECT_EQ(empty->Items[1].Name, "{00}{00}{00}{00}{00}{00}{00}{00}{00}{00}");
  EXPECT_EQ(empty->TechNamen[0], "{00}{00}{00}{00}{00}{00}{00}{00}{00}{00}{00}");
}

TEST(DecodeLimit, GarbageImageEndsWithOutOfMemory) {
  RomImage dots(std::vector<uint8_t>(kFullImageSize, 0xE8));
  Document doc;
  try {
    DecodeRomImage(doc, dots, 0);
    FAIL() << "decoded an image of dots";
  } catch (const RunError& e) {
    EXPECT_EQ(e.number(), errors::kOutOfMemory);
  }

  RomFixture f;
  f.SetText(1, 1, Codes("0123456789"));
  TextDecoder small(f.image(), 9);
  EXPECT_THROW(small.ListString(RomFixture::TextPointerPosition(1, 1), doc.Tabelle[1]), RunError);
  TextDecoder exact(f.image(), 10);
  EXPECT_EQ(exact.ListString(RomFixture::TextPointerPosition(1, 1), doc.Tabelle[1]), "0123456789");
}

TEST(DecodeLimit, ImageOfEmptyCodesLoadsAsNothing) {
  // 0xFF adds nothing anywhere but in technique names: every text runs to the end, and stays empty.
  Document doc;
  DecodeRomImage(doc, RomImage(std::vector<uint8_t>(0x400, 0xFF)), 0);
  EXPECT_EQ(doc.Texte[1][1].Aktuell, "");
  EXPECT_EQ(doc.Tabelle[1][0x21], "{21}");
}

// PointerString walks the image directly; it must say what byte-by-byte LeseByte reading says.
TEST(DecodeLimit, PointerStringAgreesWithReadingByteByByte) {
  std::mt19937 random(7);
  for (int round = 0; round < 50; ++round) {
    std::vector<uint8_t> bytes(64 + random() % 64);
    for (auto& b : bytes) b = static_cast<uint8_t>(random() % 4 == 0 ? 0 : random());
    const RomImage rom(bytes);
    CodeTable column{};
    for (auto& s : column) s = std::string(random() % 3, static_cast<char>('a' + random() % 26));
    for (int32_t start = -2; start < rom.size() + 2; ++start) {
      std::string expected;
      for (int32_t p = start; rom.LeseByte(p) != 0; ++p) expected += column[rom.LeseByte(p)];
      TextDecoder decoder(rom);
      ASSERT_EQ(decoder.PointerString(start, column), expected) << round << " " << start;
    }
  }
}

}  // namespace
}  // namespace orvane
