// The dialogue banks: pointers before packed texts, the space rule with both answers, the failures of a
// text, and the Cancel button with the captions and progress before it.

#include <gtest/gtest.h>

#include "rom/layout.h"
#include "support/dialogue_texts.h"
#include "support/write_harness.h"

namespace orvane {
namespace {

using testing::Hex;
using testing::WriteHarness;

constexpr int32_t kTable1 = 0x370200, kStart1 = 0x370590;  // bank 1

// Pointer table and texts of bank 1 side by side, `n` bytes of the texts.
testing::Bytes Bank1(const WriteHarness& h, int32_t n) {
  testing::Bytes bytes = h.Slice(kTable1, 6), texts = h.Slice(kStart1, n);
  return bytes.insert(bytes.end(), texts.begin(), texts.end()), bytes;
}

// Cancel is noticed once a text, after its caption and before its pointer: here at text 3.
TEST(SchreibeBanken, PointersPackedTextsCaptionsProgressAndCancel) {
  WriteHarness h(5, 0xAA);  // calls: text 1 yield, step, text 2 yield, step, text 3 yield
  h.doc.Texte[1][1].Aktuell = "Kael";
  EXPECT_EQ(SchreibeBanken(h.ctx), WriteResult::Stopped);
  EXPECT_EQ(Bank1(h, 5), Hex("90 03 92 03 AA AA 13 00 FF 00 AA"));
  EXPECT_EQ(h.progress.steps.back(), std::make_pair(2, 6054));
  EXPECT_EQ(h.progress.captions, (std::vector<std::string>{"Writing DialogBank 1/21   Textnr:1/456",
                                                           "Writing DialogBank 1/21   Textnr:2/456",
                                                           "Writing DialogBank 1/21   Textnr:3/456"}));
}

// Bank 1 holds "ab", "c", "d" (seven bytes) and bank 2 an empty text. Bank 1 ends exactly on its last
// byte, or one byte short for the terminator of "c": Ok gives up the rest of the bank, Cancel stops.
TEST(SchreibeBanken, SpaceRuleGivesUpTheBankOrStopsTheSave) {
  struct Case { int32_t last; Answer answer; WriteResult result; const char* bytes; };
  for (const Case& c : {Case{6, Answer::Ok, WriteResult::Finished, "90 03 93 03 95 03 BA BB 00 BC 00 BD 00 AA"},
                        Case{3, Answer::Ok, WriteResult::Finished, "90 03 93 03 AA AA BA BB 00 BC AA AA AA AA"},
                        Case{3, Answer::Cancel, WriteResult::Stopped, "90 03 93 03 AA AA BA BB 00 BC AA AA AA AA"}}) {
    WriteHarness h(0, 0xAA);
    testing::PutDialogue(h.doc, {{"ab", "c", "d"}, {""}});
    h.doc.BankInfo[1].DataEnd = kStart1 + c.last;
    h.prompter.queue(c.answer);
    EXPECT_EQ(SchreibeBanken(h.ctx), c.result);
    EXPECT_EQ(Bank1(h, 8), Hex(c.bytes));
    EXPECT_EQ(h.ctx.FreierPlatz[1], 0);
    EXPECT_EQ(h.Slice(kBankPlaces[1].dataStart, 2), Hex(c.result == WriteResult::Finished ? "FF 00" : "AA AA"));
    EXPECT_EQ(h.prompter.shown(), c.last == 3 ? "Error!|Not enough space to save this bank!\r\ntextnumber: 2\r\n"
                                                "Continue with next bank?|120!\n" : "");
  }
}

// Text 3 of bank 2 holds a character without code, or a brace group that is no number, which asks
// whether to go on: Yes ends the text after the codes before it.
TEST(SchreibeBanken, ATextThatCannotBeEncodedStopsOrAsks) {
  const std::tuple<std::string, Answer, WriteResult, std::string, std::string> cases[] = {
      {"ab\r\nc", Answer::Ok, WriteResult::Stopped, "BA BB AA AA",
       "Error!|Unknown Character!\r\nBank:2\r\nTextnumber:3\r\nCharacter: \r|030"},
      {"a{ZZ}b", Answer::Yes, WriteResult::Finished, "BA 00 FF 00",
       "Error Nr. 13|Type mismatch\r\nContinue program?|202"},
      {"a{ZZ}b", Answer::No, WriteResult::Stopped, "BA AA AA AA",
       "Error Nr. 13|Type mismatch\r\nContinue program?|202"}};
  for (const auto& [text, answer, result, bytes, message] : cases) {
    WriteHarness h(0, 0xAA);
    h.doc.Texte[2][3].Aktuell = text;
    h.prompter.queue(answer);
    EXPECT_EQ(SchreibeBanken(h.ctx), result);
    EXPECT_EQ(h.Slice(h.image.LeseZeiger(kBankPlaces[1].pointerTable + 4), 4), Hex(bytes));
    EXPECT_EQ(h.prompter.shown(), message + "\n");
  }
}

}  // namespace
}  // namespace orvane
