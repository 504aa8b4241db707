// The seven name tables: fixed records with their padding, the titles' space rule with both answers,
// overlong names and descriptions, captions, progress and the Cancel button.

#include <gtest/gtest.h>

#include <algorithm>

#include "rom/layout.h"
#include "support/write_harness.h"
#include "writer/name_tables.h"

namespace orvane {
namespace {

using testing::Hex;
using testing::WriteHarness;

constexpr int32_t kTitleArea = kTitelDatenEnde - kTitelDatenStart;  // 545 usable bytes

// Item names are padded with spaces (and stored so), enemy names with the lowest empty code, technique
// names with spaces and their star as 0x2F; a name longer than its record is cut and noted.
TEST(SchreibeNamenstabellen, RecordsArePaddedByteForByte) {
  for (const bool emptyEntries : {false, true}) {
    WriteHarness h;
    if (emptyEntries) h.SetCode(-1, "");
    h.doc.Items[1] = {"Potion", 0x0C};
    h.doc.GegnerNamen[0] = "Grey Wolf";
    h.doc.GegnerNamen[7] = "Twelve chars";
    h.doc.TechNamen[0] = "*Fire";
    ASSERT_EQ(SchreibeNamenstabellen(h.ctx), WriteResult::Finished);
    EXPECT_EQ(h.Slice(kItemRecords, 11), Hex("0C AF C8 CD C2 C8 C7 EF EF EF EF"));
    const std::string greyWolf = std::string("A6 CB BE D2 EF B6 C8 C5 BF ") + (emptyEntries ? "21 21" : "FF FF");
    EXPECT_EQ(h.Slice(kEnemyRecords, 11), Hex(greyWolf));
    EXPECT_EQ(h.Slice(kEnemyRecords + 77, 11), Hex("B3 D0 BE C5 CF BE EF BC C1 BA CB"));
    EXPECT_EQ(h.Slice(kTechRecords, 5), Hex("2F A5 C2 CB BE"));  // then spaces to the end of the next record
    EXPECT_EQ(h.Slice(kTechRecords + 5, 17), testing::Bytes(17, 0xEF));
    EXPECT_EQ(h.doc.Items[1].Name, "Potion    ");
    EXPECT_EQ(h.ctx.overflows.at(0).text, "Enemy 7 is longer than 11 characters; its first 11 were written");
  }
}

// The last title ends exactly on the last usable byte, or one byte later, which asks: Ok points the
// title at the terminator before it and goes on, Cancel stops before its pointer.
TEST(SchreibeNamenstabellen, TitlesSpaceRuleGivesUpTheTitleOrStopsTheSave) {
  for (const auto& [over, answer, free, pointer, locations] :
       {std::tuple{0, Answer::Ok, 0, "8E D0", "01 F0"}, {1, Answer::Ok, kTitleArea - 26, "8D D0", "01 F0"},
        {1, Answer::Cancel, 0, "AA AA", "AA AA"}}) {
    WriteHarness h(0, 0xAA);
    h.doc.SpeicherNamen[27] = std::string(kTitleArea - 27 + over, 'x');  // behind 26 lone 0x00
    h.prompter.queue(answer);
    EXPECT_EQ(SchreibeNamenstabellen(h.ctx), answer == Answer::Ok ? WriteResult::Finished : WriteResult::Stopped);
    EXPECT_EQ(h.Slice(kTitelDatenEnde - 1, 2), Hex(over ? "AA AA" : "00 AA"));  // nothing of a title that does not fit
    EXPECT_EQ(h.Slice(kTitelZeigerTabelle + 52, 2), Hex(pointer));
    EXPECT_EQ(h.Slice(kStadtZeigerStart, 2), Hex(locations));
    EXPECT_EQ(h.ctx.titlesFree, free);
    EXPECT_EQ(h.ctx.overflows.size(), free ? 1u : 0u);
    EXPECT_EQ(h.prompter.shown(), over ? "Error!|Not enough space to save this bank!\r\nContinue?|120!\n" : "");
  }
}

TEST(SchreibeNamenstabellen, AnItemNameLongerThanTenAsksAndYesWritesItsFirstTen) {
  for (const Answer answer : {Answer::Yes, Answer::No}) {
    WriteHarness h(0, 0xAA);
    h.doc.Items[2] = {"ABCDEFGHIJK", 0x05};
    h.prompter.queue(answer);
    EXPECT_EQ(SchreibeNamenstabellen(h.ctx), answer == Answer::Yes ? WriteResult::Finished : WriteResult::Stopped);
    EXPECT_EQ(h.prompter.shown(), "Error Nr. 5|Invalid procedure call or argument\r\nContinue program?|202\n");
    EXPECT_EQ(h.Slice(kItemRecords + 11, 12), Hex(answer == Answer::Yes ? "05 A0 A1 A2 A3 A4 A5 A6 A7 A8 A9 00"
                                                                         : "05 AA AA AA AA AA AA AA AA AA AA AA"));
    EXPECT_EQ(h.doc.Items[2].Name, "ABCDEFGHIJK");
  }
}

TEST(SchreibeNamenstabellen, CaptionsProgressAndCancelPerRecordByte) {
  WriteHarness h;
  h.doc.ItemInfos[5] = "x";
  ASSERT_EQ(SchreibeNamenstabellen(h.ctx), WriteResult::Finished);
  EXPECT_EQ(h.ctx.progressCounter, 27 + 111 + 231 + 251 + 116 + 242 + 2 + 242);
  const auto& c = h.progress.captions;
  for (const char* caption : {"Writing Locationname 111/111", "Writing Items 231/231", "Writing Enemys 250/250",
                              "Writing Technics&Magics 115/235", "Writing Technics&Magics 116/235"})
    EXPECT_NE(std::find(c.begin(), c.end(), caption), c.end()) << caption;
  EXPECT_EQ(c.front() + ", " + c.back(), "Writing Savetitle 1/27, Writing Item Infos ............");
  for (const auto& [count, dots] : {std::pair{10, ""}, {11, "."}, {30, ".."}, {50, ".."}, {51, "..."}})
    EXPECT_EQ(ItemInfoCaption(count), std::string("Writing Item Infos ") + dots);

  // Titles, locations and items poll twice an entry, enemies once a byte: Cancel at enemy 0's third byte.
  WriteHarness stopping(2 * 27 + 2 * 111 + 2 * 231 + 3, 0xAA);
  EXPECT_EQ(SchreibeNamenstabellen(stopping.ctx), WriteResult::Stopped);
  EXPECT_EQ(stopping.Slice(kEnemyRecords, 3), Hex("FF FF AA"));
  EXPECT_EQ(stopping.progress.captions.back(), "Writing Enemys 0/250");
}

}  // namespace
}  // namespace orvane
