// The seven name tables: pointer lists with their space rule, padded item records, enemy and
// technique records, descriptions shared by content, captions, progress and Cancel.

#include <gtest/gtest.h>

#include "rom/layout.h"
#include "support/write_harness.h"
#include "writer/name_tables.h"
#include "writer/write_context.h"

namespace orvane {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::WriteHarness;

constexpr int32_t kTitleArea = kTitelDatenEnde - kTitelDatenStart;  // 545 usable bytes

Bytes Repeat(uint8_t value, size_t count) { return Bytes(count, value); }
Bytes Join(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(SchreibeNamenstabellen, TitlesAndLocationsArePackedStrings) {
  WriteHarness h;
  h.doc.SpeicherNamen[1] = "Ab";
  h.doc.StadtNamen[111] = "Kael...";
  ASSERT_EQ(SchreibeNamenstabellen(h.ctx), WriteResult::Finished);
  EXPECT_EQ(h.Slice(kTitelDatenStart, 4), (Bytes{0xA0, 0xBB, 0x00, 0x00}));
  EXPECT_EQ(h.image.LeseZeiger(kTitelZeigerTabelle), kTitelDatenStart);
  EXPECT_EQ(h.image.LeseZeiger(kTitelZeigerTabelle + 2), kTitelDatenStart + 3);
  EXPECT_EQ(h.image.LeseZeiger(kTitelZeigerTabelle + 4), kTitelDatenStart + 4);
  EXPECT_EQ(h.ctx.titlesFree, kTitleArea - 29);
  EXPECT_EQ(h.image.LeseZeiger(kStadtZeigerEnde), kStadtDatenStart + 110);
  EXPECT_EQ(h.Slice(kStadtDatenStart + 110, 3), (Bytes{0x13, 0xF1, 0x00}));
  EXPECT_EQ(h.ctx.locationsFree, kStadtDatenEnde - (kStadtDatenStart + 113));
}

TEST(SchreibeNamenstabellen, TitlesEndingOnTheLastUsableByteHaveNoFreeSpace) {
  WriteHarness h(0, 0xAA);
  h.doc.SpeicherNamen[27] = std::string(kTitleArea - 27, 'x');  // 26 lone 0x00, then this one
  SchreibeNamenstabellen(h.ctx);
  EXPECT_EQ(h.ctx.titlesFree, 0);
  EXPECT_EQ(h.image.LeseByte(kTitelDatenEnde - 1), 0x00);
  EXPECT_EQ(h.image.LeseByte(kTitelDatenEnde), 0xAA);
  EXPECT_TRUE(h.prompter.empty());
}

TEST(SchreibeNamenstabellen, ATitleOneByteTooLongAsks) {
  for (const Answer answer : {Answer::Ok, Answer::Cancel}) {
    WriteHarness h(0, 0xAA);
    h.doc.SpeicherNamen[27] = std::string(kTitleArea - 26, 'x');
    h.prompter.queue(answer);
    const WriteResult result = SchreibeNamenstabellen(h.ctx);
    ASSERT_EQ(h.prompter.messages().size(), 1u);
    const Message& m = h.prompter.last();
    EXPECT_EQ(m.title, "Error!");
    EXPECT_EQ(m.text, "Not enough space to save this bank!\r\nContinue?");
    EXPECT_EQ(m.buttons, Buttons::OkCancel);
    EXPECT_EQ(m.icon, Icon::Exclamation);
    EXPECT_TRUE(m.systemModal);
    EXPECT_EQ(h.Slice(kTitelDatenStart + 26, 2), (Bytes{0xAA, 0xAA}));  // nothing of it written
    if (answer == Answer::Ok) {
      EXPECT_EQ(result, WriteResult::Finished);
      // Its pointer leads to the terminator of the title before.
      EXPECT_EQ(h.image.LeseZeiger(kTitelZeigerTabelle + 52), kTitelDatenStart + 25);
      EXPECT_EQ(h.ctx.titlesFree, kTitleArea - 26);
      EXPECT_EQ(h.ctx.overflowNotes, std::vector<std::string>{"Savetitle 27 did not fit"});
    } else {
      EXPECT_EQ(result, WriteResult::Stopped);
      EXPECT_EQ(h.Slice(kTitelZeigerTabelle + 52, 2), (Bytes{0xAA, 0xAA}));
      EXPECT_EQ(h.Slice(kStadtZeigerStart, 2), (Bytes{0xAA, 0xAA}));
    }
  }
}

TEST(SchreibeNamenstabellen, ItemsArePaddedWithSpacesAndKeepTheirPadding) {
  WriteHarness h;
  h.doc.Items[1] = {"Potion", 0x0C};
  h.doc.Items[2] = {"Kael...{00}", 0x01};  // a name, three dots and an escape: one byte each
  h.doc.Items[231] = {"", 0x7F};
  SchreibeNamenstabellen(h.ctx);
  EXPECT_EQ(h.Slice(kItemRecords, 11), Join({0x0C, 0xAF, 0xC8, 0xCD, 0xC2, 0xC8, 0xC7}, Repeat(0xEF, 4)));
  EXPECT_EQ(h.doc.Items[1].Name, "Potion    ");
  EXPECT_EQ(h.Slice(kItemRecords + 11, 11), Join({0x01, 0x13, 0xF1, 0x00}, Repeat(0xEF, 7)));
  EXPECT_EQ(h.doc.Items[2].Name, "Kael...{00}       ");
  EXPECT_EQ(h.Slice(kItemRecordsLast - 10, 11), Join({0x7F}, Repeat(0xEF, 10)));
}

TEST(SchreibeNamenstabellen, AnItemNameLongerThanTenTakesTheErrorPath) {
  for (const Answer answer : {Answer::Yes, Answer::No}) {
    WriteHarness h(0, 0xAA);
    h.doc.Items[2] = {"ABCDEFGHIJK", 0x05};
    h.prompter.queue(answer);
    const WriteResult result = SchreibeNamenstabellen(h.ctx);
    EXPECT_EQ(h.prompter.last().title, "Error Nr. 5");
    EXPECT_EQ(h.prompter.last().text, "Invalid procedure call or argument\r\nContinue program?");
    EXPECT_EQ(h.doc.Items[2].Name, "ABCDEFGHIJK");
    if (answer == Answer::Yes) {
      EXPECT_EQ(result, WriteResult::Finished);
      EXPECT_EQ(h.ctx.overflowNotes,
                std::vector<std::string>{"Item 2 is longer than 10 characters; its first 10 were written"});
      EXPECT_EQ(h.Slice(kItemRecords + 11, 12),
                (Bytes{0x05, 0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9, 0x00}));
    } else {
      EXPECT_EQ(result, WriteResult::Stopped);
      EXPECT_EQ(h.Slice(kItemRecords + 11, 2), (Bytes{0x05, 0xAA}));
    }
  }
}

TEST(SchreibeNamenstabellen, EnemyNamesEndWithTheLowestEmptyCode) {
  WriteHarness h;
  h.doc.GegnerNamen[0] = "Grey Wolf";
  h.doc.GegnerNamen[250] = "Skiff{1a}";
  h.doc.GegnerNamen[7] = "Twelve chars";
  SchreibeNamenstabellen(h.ctx);
  EXPECT_EQ(h.Slice(kEnemyRecords, 11),
            (Bytes{0xA6, 0xCB, 0xBE, 0xD2, 0xEF, 0xB6, 0xC8, 0xC5, 0xBF, 0xFF, 0xFF}));
  EXPECT_EQ(h.Slice(kEnemyRecordsLast - 10, 11), Join({0x20, 0x1A}, Repeat(0xFF, 9)));
  EXPECT_EQ(h.image.LeseByte(kEnemyRecords + 7 * 11 + 10), 0xCB);  // "r", the eleventh
  EXPECT_EQ(h.ctx.overflowNotes,
            std::vector<std::string>{"Enemy 7 is longer than 11 characters; its first 11 were written"});
  WriteHarness empty;
  empty.ClearDictionary();
  empty.doc.GegnerNamen[0] = "Bat";
  SchreibeNamenstabellen(empty.ctx);
  EXPECT_EQ(empty.Slice(kEnemyRecords, 11), Join({0xA1, 0xBA, 0xCD}, Repeat(0x21, 8)));
}

TEST(SchreibeNamenstabellen, TechniqueNamesUseTheStarCodeAndSpaces) {
  WriteHarness h;
  h.SetCode(0x2F, "th");  // the star's code is a dictionary code elsewhere
  h.doc.TechNamen[0] = "*Fire";
  h.doc.TechNamen[115] = "Ice Wall";
  SchreibeNamenstabellen(h.ctx);
  EXPECT_EQ(h.Slice(kTechRecords, 11), Join({0x2F, 0xA5, 0xC2, 0xCB, 0xBE}, Repeat(0xEF, 6)));
  EXPECT_EQ(h.Slice(kTechRecordsLast - 10, 11),
            Join({0xA8, 0xBC, 0xBE, 0xEF, 0xB6, 0xBA, 0xC5, 0xC5}, Repeat(0xEF, 3)));
  EXPECT_EQ(h.Slice(kTechRecords + 11, 11), Repeat(0xEF, 11));
}

TEST(SchreibeNamenstabellen, TechniqueDescriptionsThatDoNotFitPointAtAnEmptyString) {
  WriteHarness h(0, 0xAA);
  h.doc.TechBeschreibungen[0] = "ab";
  for (int i = 1; i < kTechInfoCount; ++i) h.doc.TechBeschreibungen[i] = std::string(200, 'z');
  SchreibeNamenstabellen(h.ctx);
  EXPECT_EQ(h.Slice(kTechInfoData, 3), (Bytes{0xBA, 0xBB, 0x00}));
  EXPECT_EQ(h.image.LeseZeiger(kTechInfoPointers + 2), kTechInfoData + 3);
  // 3 + 53 * 201 bytes fit; descriptions 54..119 do not.
  EXPECT_EQ(h.ctx.overflowNotes.size(), 66u);
  EXPECT_EQ(h.ctx.overflowNotes.front(), "Tech-Info 54 did not fit");
  const int32_t lastTerminator = kTechInfoData + 3 + 53 * 201 - 1;
  EXPECT_EQ(h.image.LeseByte(lastTerminator), 0x00);
  EXPECT_EQ(h.image.LeseZeiger(kTechInfoPointers + 2 * 119), lastTerminator);
  EXPECT_EQ(h.image.LeseByte(lastTerminator + 1), 0xAA);
  EXPECT_EQ(h.image.LeseByte(kEnemyRecords), 0xFF);  // the enemy records behind stay whole
}

TEST(SchreibeNamenstabellen, ItemDescriptionsAreSharedByContent) {
  WriteHarness h(0, 0xAA);
  h.doc.ItemInfos[1] = "Heals";
  h.doc.ItemInfos[3] = "Heals";
  h.doc.ItemInfos[4] = "Cures";
  h.doc.ItemInfos[241] = "Rare";
  h.doc.ItemInfos[242] = "Cures";
  SchreibeNamenstabellen(h.ctx);
  const Bytes expected = {0x00, 0xA7, 0xBE, 0xBA, 0xC5, 0xCC, 0x00, 0xA2, 0xCE, 0xCB, 0xBE, 0xCC, 0x00,
                          0xB1, 0xBA, 0xCB, 0xBE, 0x00, 0xAA};
  EXPECT_EQ(h.Slice(kItemInfoData, 19), expected);
  auto target = [&](int i) { return h.image.LeseZeiger(kItemInfoPointers + 2 * (i - 1)); };
  EXPECT_EQ(target(1), kItemInfoData + 1);
  EXPECT_EQ(target(2), kItemInfoData);
  EXPECT_EQ(target(3), kItemInfoData + 1);
  EXPECT_EQ(target(4), kItemInfoData + 7);
  EXPECT_EQ(target(240), kItemInfoData);
  EXPECT_EQ(target(241), kItemInfoData + 13);
  EXPECT_EQ(target(242), kItemInfoData + 7);
  EXPECT_EQ(h.ctx.itemInfoFree, kItemInfoDataLast - (kItemInfoData + 18 - 1));
}

TEST(SchreibeNamenstabellen, ItemDescriptionsThatDoNotFitAreNoted) {
  WriteHarness h(0, 0xAA);
  for (int i = 1; i <= kItemInfoCount; ++i) h.doc.ItemInfos[i] = std::string(60, 'a') + std::to_string(i);
  SchreibeNamenstabellen(h.ctx);
  // The lone 0x00, 9 * 62 and 17 * 63 bytes take 1630 of the 1631: descriptions from 27 on do not fit.
  EXPECT_EQ(h.ctx.overflowNotes.front(), "Item-Info 27 did not fit");
  EXPECT_EQ(h.ctx.overflowNotes.size(), 242u - 26u);
  EXPECT_EQ(h.image.LeseByte(kItemInfoDataLast), 0xAA);
  EXPECT_EQ(h.image.LeseZeiger(kItemInfoPointers + 2 * 241), kItemInfoDataLast - 1);
  EXPECT_EQ(h.ctx.itemInfoFree, 1);
}

TEST(SchreibeNamenstabellen, CaptionsAndProgressSteps) {
  WriteHarness h;
  h.doc.ItemInfos[5] = "x";
  ASSERT_EQ(SchreibeNamenstabellen(h.ctx), WriteResult::Finished);
  EXPECT_EQ(h.ctx.progressCounter, 27 + 111 + 231 + 251 + 116 + 242 + 2 + 242);
  const auto& c = h.progress.captions;
  auto has = [&](const std::string& text) { return std::find(c.begin(), c.end(), text) != c.end(); };
  EXPECT_EQ(c.front(), "Writing Savetitle 1/27");
  EXPECT_TRUE(has("Writing Locationname 111/111"));
  EXPECT_TRUE(has("Writing Items 231/231"));
  EXPECT_TRUE(has("Writing Enemys 0/250"));
  EXPECT_TRUE(has("Writing Enemys 250/250"));
  EXPECT_TRUE(has("Writing Technics&Magics 115/235"));
  EXPECT_TRUE(has("Writing Technics&Magics 116/235"));
  EXPECT_TRUE(has("Writing Technics&Magics 235/235"));
  EXPECT_EQ(c.back(), "Writing Item Infos ............");  // c = 243 at the last pointer: 12 dots
  EXPECT_EQ(ItemInfoCaption(10), "Writing Item Infos ");
  EXPECT_EQ(ItemInfoCaption(11), "Writing Item Infos .");
  EXPECT_EQ(ItemInfoCaption(30), "Writing Item Infos ..");
  EXPECT_EQ(ItemInfoCaption(50), "Writing Item Infos ..");
  EXPECT_EQ(ItemInfoCaption(51), "Writing Item Infos ...");
}

TEST(SchreibeNamenstabellen, CancelIsNoticedPerByteOfTheEnemyRecords) {
  // Titles and locations take 2 calls each per entry, items 2 each: 276 + 462 calls; then one per
  // enemy byte. Cancel at the third byte of enemy 0.
  WriteHarness h(2 * 27 + 2 * 111 + 2 * 231 + 3, 0xAA);
  EXPECT_EQ(SchreibeNamenstabellen(h.ctx), WriteResult::Stopped);
  EXPECT_EQ(h.Slice(kEnemyRecords, 3), (Bytes{0xFF, 0xFF, 0xAA}));
  EXPECT_EQ(h.image.LeseByte(kTechRecords), 0xAA);
  EXPECT_EQ(h.progress.captions.back(), "Writing Enemys 0/250");
}

}  // namespace
}  // namespace orvane
