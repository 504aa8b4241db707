// The dialogue banks: pointers, packed texts and terminators, the space rule with both answers,
// the failures of the dialogue form, captions, progress and the Cancel button.

#include <gtest/gtest.h>

#include "rom/layout.h"
#include "support/write_harness.h"
#include "writer/write_context.h"

namespace orvane {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::WriteHarness;

constexpr int32_t kStart1 = 0x370590;  // DataStart of bank 1
constexpr int32_t kTable1 = 0x370200;
constexpr int32_t kTable2 = 0x39B200;

TEST(SchreibeBanken, PointersAndPackedTextsInEveryBank) {
  WriteHarness h;
  h.doc.Texte[1][1].Aktuell = "Kael";
  h.doc.Texte[1][3].Aktuell = "ab";
  ASSERT_EQ(SchreibeBanken(h.ctx), WriteResult::Finished);
  EXPECT_EQ(h.Slice(kTable1, 6), (Bytes{0x90, 0x03, 0x92, 0x03, 0x94, 0x03}));
  EXPECT_EQ(h.Slice(kStart1, 9), (Bytes{0x13, 0x00, 0xFF, 0x00, 0xBA, 0xBB, 0x00, 0xFF, 0x00}));
  EXPECT_EQ(h.image.LeseZeiger(kTable1 + 2 * 3), kStart1 + 7);
  for (int b = 1; b <= kBankCount; ++b) {
    const BankRecord& r = h.doc.BankInfo[b];
    const int32_t used = 2 * r.TextCount + (b == 1 ? 1 : 0);  // "ab" takes one byte more
    EXPECT_EQ(h.ctx.FreierPlatz[b], r.DataEnd - r.DataStart + 1 - used) << b;
    // Bank 15's table starts at an odd place; every last pointer leads to the last empty text.
    EXPECT_EQ(h.image.LeseZeiger(r.PointerTable + 2 * (r.TextCount - 1)), r.DataStart + used - 2) << b;
  }
  EXPECT_EQ(h.ctx.progressCounter, 4717);
  EXPECT_EQ(h.progress.steps.back(), std::make_pair(4717, 6054));
  EXPECT_TRUE(h.prompter.empty());
}

TEST(SchreibeBanken, CaptionPerText) {
  WriteHarness h;
  SchreibeBanken(h.ctx);
  ASSERT_EQ(h.progress.captions.size(), 4717u);
  EXPECT_EQ(h.progress.captions.front(), "Writing DialogBank 1/21   Textnr:1/456");
  EXPECT_EQ(h.progress.captions[456], "Writing DialogBank 2/21   Textnr:1/444");
  EXPECT_EQ(h.progress.captions.back(), "Writing DialogBank 21/21   Textnr:50/50");
}

// Bank 1 cut down to the texts "ab", "c" and "d", whose first two take five bytes.
WriteHarness& SmallBank(WriteHarness& h, int32_t lastByteOffset) {
  h.doc.BankInfo[1].TextCount = 3;
  h.doc.BankInfo[1].DataEnd = kStart1 + lastByteOffset;
  h.doc.Texte[1][1].Aktuell = "ab";
  h.doc.Texte[1][2].Aktuell = "c";
  h.doc.Texte[1][3].Aktuell = "d";
  return h;
}

TEST(SchreibeBanken, ABankEndingExactlyOnDataEndHasNoFreeSpace) {
  WriteHarness h(0, 0xAA);
  SmallBank(h, 6);
  EXPECT_EQ(SchreibeBanken(h.ctx), WriteResult::Finished);
  EXPECT_EQ(h.Slice(kStart1, 8), (Bytes{0xBA, 0xBB, 0x00, 0xBC, 0x00, 0xBD, 0x00, 0xAA}));
  EXPECT_EQ(h.ctx.FreierPlatz[1], 0);
  EXPECT_TRUE(h.prompter.empty());
}

// "c" lands on DataEnd, its terminator does not fit: Ok gives up the rest of the bank, Cancel stops.
TEST(SchreibeBanken, OneByteMoreAsksWhetherToGoOnWithTheNextBank) {
  for (const Answer answer : {Answer::Ok, Answer::Cancel}) {
    WriteHarness h(0, 0xAA);
    SmallBank(h, 3);
    h.prompter.queue(answer);
    const WriteResult result = SchreibeBanken(h.ctx);
    ASSERT_EQ(h.prompter.messages().size(), 1u);
    const Message& m = h.prompter.last();
    EXPECT_EQ(m.title, "Error!");
    EXPECT_EQ(m.text, "Not enough space to save this bank!\r\ntextnumber: 2\r\nContinue with next bank?");
    EXPECT_EQ(m.buttons, Buttons::OkCancel);
    EXPECT_EQ(m.icon, Icon::Exclamation);
    EXPECT_TRUE(m.systemModal);
    EXPECT_EQ(h.Slice(kStart1, 5), (Bytes{0xBA, 0xBB, 0x00, 0xBC, 0xAA}));
    EXPECT_EQ(h.image.LeseZeiger(kTable1 + 2), kStart1 + 3);  // written before the text
    EXPECT_EQ(h.Slice(kTable1 + 4, 2), (Bytes{0xAA, 0xAA}));   // later pointers keep the old bytes
    EXPECT_EQ(h.ctx.FreierPlatz[1], 0);
    if (answer == Answer::Ok) {
      EXPECT_EQ(result, WriteResult::Finished);
      EXPECT_EQ(h.image.LeseZeiger(kTable2), kBankPlaces[1].dataStart);  // the next banks as usual
      EXPECT_GT(h.ctx.FreierPlatz[2], 0);
      EXPECT_EQ(h.ctx.progressCounter, 4717 - 456 + 1);
    } else {
      EXPECT_EQ(result, WriteResult::Stopped);
      EXPECT_EQ(h.Slice(kTable2, 2), (Bytes{0xAA, 0xAA}));
    }
  }
}

TEST(SchreibeBanken, UnknownCharacterStopsWithItsMessage) {
  WriteHarness h(0, 0xAA);
  h.doc.Texte[2][3].Aktuell = "ab\r\nc";
  EXPECT_EQ(SchreibeBanken(h.ctx), WriteResult::Stopped);
  ASSERT_EQ(h.prompter.messages().size(), 1u);
  const Message& m = h.prompter.last();
  EXPECT_EQ(m.title, "Error!");
  EXPECT_EQ(m.text, "Unknown Character!\r\nBank:2\r\nTextnumber:3\r\nCharacter: \r");
  EXPECT_EQ(m.icon, Icon::Stop);
  EXPECT_EQ(m.buttons, Buttons::Ok);
  const int32_t at = h.image.LeseZeiger(kTable2 + 4);
  EXPECT_EQ(h.Slice(at, 3), (Bytes{0xBA, 0xBB, 0xAA}));  // the codes before it, no terminator
  EXPECT_EQ(h.Slice(kBankPlaces[2].pointerTable, 2), (Bytes{0xAA, 0xAA}));
}

TEST(SchreibeBanken, EmptyTextWithoutAnEmptyEntryReportsNoCharacter) {
  WriteHarness h;
  h.SetCode(0xFF, "{FF}");
  EXPECT_EQ(SchreibeBanken(h.ctx), WriteResult::Stopped);
  EXPECT_EQ(h.prompter.last().text, "Unknown Character!\r\nBank:1\r\nTextnumber:1\r\nCharacter: ");
}

TEST(SchreibeBanken, ABadBraceGroupTakesTheErrorPath) {
  for (const Answer answer : {Answer::Yes, Answer::No}) {
    WriteHarness h(0, 0xAA);
    h.doc.Texte[1][1].Aktuell = "a{ZZ}b";
    h.prompter.queue(answer);
    const WriteResult result = SchreibeBanken(h.ctx);
    const Message& m = h.prompter.last();
    EXPECT_EQ(m.title, "Error Nr. 13");
    EXPECT_EQ(m.text, "Type mismatch\r\nContinue program?");
    EXPECT_EQ(m.buttons, Buttons::YesNo);
    EXPECT_EQ(m.icon, Icon::None);
    if (answer == Answer::Yes) {
      EXPECT_EQ(result, WriteResult::Finished);
      EXPECT_EQ(h.Slice(kStart1, 4), (Bytes{0xBA, 0x00, 0xFF, 0x00}));  // ended before the group
    } else {
      EXPECT_EQ(result, WriteResult::Stopped);
      EXPECT_EQ(h.Slice(kStart1, 2), (Bytes{0xBA, 0xAA}));
    }
  }
}

TEST(SchreibeBanken, CancelIsNoticedBeforeATextsPointer) {
  WriteHarness h(5, 0xAA);  // calls: text 1 yield, step, text 2 yield, step, text 3 yield -> Cancel
  EXPECT_EQ(SchreibeBanken(h.ctx), WriteResult::Stopped);
  EXPECT_EQ(h.Slice(kTable1, 6), (Bytes{0x90, 0x03, 0x92, 0x03, 0xAA, 0xAA}));
  EXPECT_EQ(h.Slice(kStart1, 5), (Bytes{0xFF, 0x00, 0xFF, 0x00, 0xAA}));
  EXPECT_EQ(h.ctx.progressCounter, 2);
  EXPECT_TRUE(h.prompter.empty());
}

}  // namespace
}  // namespace orvane
