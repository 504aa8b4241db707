// The three writers byte for byte, into an image of 0xAA bytes: the dialogue banks (pointers before
// packed texts, the space rule, texts that cannot be encoded, Cancel), the dictionary area (127 pointers,
// one code per character, the 512-byte budget) and the name tables (padded records, the titles' space
// rule, overlong names, captions and progress). The expected bytes are spelled out by hand.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "rom/layout.h"
#include "support/dialogue_texts.h"
#include "support/write_harness.h"
#include "writer/name_tables.h"

namespace orvane {
namespace {

using testing::Hex;
using testing::WriteHarness;

constexpr int32_t kTable1 = 0x370200, kStart1 = 0x370590;  // bank 1
const int32_t kStart2 = kBankPlaces[1].dataStart;
const int32_t kText3OfBank2 = kStart2 + 4;  // behind two empty texts
constexpr int32_t kTitleArea = kTitelDatenEnde - kTitelDatenStart;  // 545 usable bytes

std::string Times(int n, const std::string& hex) {
  std::string all;
  while (n-- > 0) all += hex + " ";
  return all;
}

int32_t PointerOf(const WriteHarness& h, int code) {
  return h.image.LeseZeiger(kDictionaryPointers + 2 * (code - kDictionaryFirst));
}

const std::string kBankFull =
    "Error!|Not enough space to save this bank!\r\ntextnumber: 2\r\nContinue with next bank?|120!\n";
const std::string kTypeMismatch = "Error Nr. 13|Type mismatch\r\nContinue program?|202\n";
const std::string kTitlesFull = "Error!|Not enough space to save this bank!\r\nContinue?|120!\n";
const std::string kBadArgument = "Error Nr. 5|Invalid procedure call or argument\r\nContinue program?|202\n";

struct Case {
  const char* what;
  WriteResult (*writer)(WriteContext&);
  std::function<void(WriteHarness&)> edit;
  std::vector<Answer> answers;
  WriteResult result;
  std::vector<std::pair<int32_t, std::string>> bytes;  // place, the hex bytes there afterwards
  std::string shown;
  std::function<void(WriteHarness&)> more = [](WriteHarness&) {};
};

TEST(Writers, EditsGiveTheseBytesResultsAndMessages) {
  const auto dialogue = [](int32_t last) {  // bank 1 holds "ab", "c", "d", ending `last` bytes after its start
    return [last](WriteHarness& h) {
      testing::PutDialogue(h.doc, {{"ab", "c", "d"}, {""}});
      h.doc.BankInfo[1].DataEnd = kStart1 + last;
    };
  };
  const auto text3 = [](const char* text) { return [text](WriteHarness& h) { h.doc.Texte[2][3].Aktuell = text; }; };
  const auto bankGivenUp = [](WriteHarness& h) { EXPECT_EQ(h.ctx.FreierPlatz[1], 0); };
  const auto records = [](bool emptyEntries) {
    return [emptyEntries](WriteHarness& h) {
      if (emptyEntries) h.SetCode(-1, "");
      h.doc.Items[1] = {"Potion", 0x0C};
      h.doc.GegnerNamen[0] = "Grey Wolf";
      h.doc.GegnerNamen[7] = "Twelve chars";
      h.doc.TechNamen[0] = "*Fire";
    };
  };
  const auto recordsNoted = [](WriteHarness& h) {
    EXPECT_EQ(h.doc.Items[1].Name, "Potion    ");  // stored padded
    EXPECT_EQ(h.ctx.overflows.at(0).text, "Enemy 7 is longer than 11 characters; its first 11 were written");
  };
  const auto lastTitle = [](int over) {  // behind 26 lone 0x00
    return [over](WriteHarness& h) { h.doc.SpeicherNamen[27] = std::string(kTitleArea - 27 + over, 'x'); };
  };
  const auto titlesFree = [](int32_t free) {
    return [free](WriteHarness& h) {
      EXPECT_EQ(h.ctx.titlesFree, free);
      EXPECT_EQ(h.ctx.overflows.size(), free ? 1u : 0u);
    };
  };
  const auto longItem = [](WriteHarness& h) { h.doc.Items[2] = {"ABCDEFGHIJK", 0x05}; };
  const auto itemKept = [](WriteHarness& h) { EXPECT_EQ(h.doc.Items[2].Name, "ABCDEFGHIJK"); };
  const auto F = WriteResult::Finished, S = WriteResult::Stopped;
  const Case cases[] = {
      // Bank 1 ends exactly on its last byte, or one byte short for the terminator of "c": Ok gives up
      // the rest of the bank, Cancel stops.
      {"bank exactly full", SchreibeBanken, dialogue(6), {}, F,
       {{kTable1, "90 03 93 03 95 03"}, {kStart1, "BA BB 00 BC 00 BD 00 AA"}, {kStart2, "FF 00"}}, "", bankGivenUp},
      {"bank full, Ok", SchreibeBanken, dialogue(3), {Answer::Ok}, F,
       {{kTable1, "90 03 93 03 AA AA"}, {kStart1, "BA BB 00 BC AA AA AA AA"}, {kStart2, "FF 00"}}, kBankFull,
       bankGivenUp},
      {"bank full, Cancel", SchreibeBanken, dialogue(3), {Answer::Cancel}, S,
       {{kTable1, "90 03 93 03 AA AA"}, {kStart1, "BA BB 00 BC AA AA AA AA"}, {kStart2, "AA AA"}}, kBankFull,
       bankGivenUp},
      // A character without code stops; a brace group that is no number asks: Yes ends the text there.
      {"no code", SchreibeBanken, text3("ab\r\nc"), {Answer::Ok}, S, {{kText3OfBank2, "BA BB AA AA"}},
       "Error!|Unknown Character!\r\nBank:2\r\nTextnumber:3\r\nCharacter: \r|030\n"},
      {"no number, Yes", SchreibeBanken, text3("a{ZZ}b"), {Answer::Yes}, F, {{kText3OfBank2, "BA 00 FF 00"}},
       kTypeMismatch},
      {"no number, No", SchreibeBanken, text3("a{ZZ}b"), {Answer::No}, S, {{kText3OfBank2, "BA AA AA AA"}},
       kTypeMismatch},
      {"empty dictionary", SchreibeWoerterbuch, [](WriteHarness& h) { h.SetCode(-1, ""); }, {}, F,
       {{kDictionaryPointers, "00 FB 01 FB"}, {kDictionaryPointers + 252, "7E FB AA AA"},
        {kDictionaryData, Times(128, "00") + "AA"}}, ""},  // 127 length bytes, the closing 0x00
      // A name is not used inside an entry; a notation is one code and the length byte counts codes;
      // "~" has no code. After a load the unused codes hold their escapes: "{26}" is the code 0x26.
      {"dictionary entries", SchreibeWoerterbuch,
       [](WriteHarness& h) {
         const char* entries[] = {"ab", "Kael", "ab[L_]", "a{40}b", "[WS]xy"};
         for (int i = 0; i < 5; ++i) h.SetCode(kDictionaryFirst + i, entries[i]);
         h.SetCode(0x9F, "a~b");
       },
       {}, F,
       {{kDictionaryData, "02 BA BB  04 AA BA BE C5  03 BA BB 05  03 BA 40 BB  03 0C D1 D2  01 26  01 27  01 28  01"},
        {kDictionaryData + 3 + 5 + 4 + 4 + 4 + 2 * (0x9F - 0x26), "03 BA FF BB 00"}},
       "",
       [](WriteHarness& h) {
         for (int c = kDictionaryFirst; c < kDictionaryLast; ++c)
           ASSERT_EQ(PointerOf(h, c + 1), PointerOf(h, c) + 1 + h.image.LeseByte(PointerOf(h, c))) << c;
       }},
      // Item names are padded with spaces, enemy names with the lowest empty code, technique names with
      // spaces and their star as 0x2F; a name longer than its record is cut and noted.
      {"records", SchreibeNamenstabellen, records(false), {}, F,
       {{kItemRecords, "0C AF C8 CD C2 C8 C7 EF EF EF EF"}, {kEnemyRecords, "A6 CB BE D2 EF B6 C8 C5 BF FF FF"},
        {kEnemyRecords + 77, "B3 D0 BE C5 CF BE EF BC C1 BA CB"}, {kTechRecords, "2F A5 C2 CB BE" + Times(17, " EF")}},
       "", recordsNoted},
      {"records, empty entries", SchreibeNamenstabellen, records(true), {}, F,
       {{kEnemyRecords, "A6 CB BE D2 EF B6 C8 C5 BF 21 21"}}, "", recordsNoted},
      // The last title ends exactly on the last usable byte, or one byte later, which asks: Ok points the
      // title at the terminator before it, Cancel stops before its pointer. Nothing of it is written.
      {"titles full", SchreibeNamenstabellen, lastTitle(0), {}, F,
       {{kTitelDatenEnde - 1, "00 AA"}, {kTitelZeigerTabelle + 52, "8E D0"}, {kStadtZeigerStart, "01 F0"}}, "",
       titlesFree(0)},
      {"titles over, Ok", SchreibeNamenstabellen, lastTitle(1), {Answer::Ok}, F,
       {{kTitelDatenEnde - 1, "AA AA"}, {kTitelZeigerTabelle + 52, "8D D0"}, {kStadtZeigerStart, "01 F0"}},
       kTitlesFull, titlesFree(kTitleArea - 26)},
      {"titles over, Cancel", SchreibeNamenstabellen, lastTitle(1), {Answer::Cancel}, S,
       {{kTitelDatenEnde - 1, "AA AA"}, {kTitelZeigerTabelle + 52, "AA AA"}, {kStadtZeigerStart, "AA AA"}},
       kTitlesFull, titlesFree(0)},
      // An item name longer than ten asks: Yes writes its first ten.
      {"long item, Yes", SchreibeNamenstabellen, longItem, {Answer::Yes}, F,
       {{kItemRecords + 11, "05 A0 A1 A2 A3 A4 A5 A6 A7 A8 A9 00"}}, kBadArgument, itemKept},
      {"long item, No", SchreibeNamenstabellen, longItem, {Answer::No}, S,
       {{kItemRecords + 11, "05" + Times(11, " AA")}}, kBadArgument, itemKept}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteHarness h(0, 0xAA);
    c.edit(h);
    for (const Answer a : c.answers) h.prompter.queue(a);
    EXPECT_EQ(c.writer(h.ctx), c.result);
    for (const auto& [place, hex] : c.bytes) EXPECT_EQ(h.Slice(place, int32_t(Hex(hex).size())), Hex(hex)) << place;
    EXPECT_EQ(h.prompter.shown(), c.shown);
    c.more(h);
  }
}

// Entries 0x21, 0x22, ... of `sizes` letters, the others empty. The first two cases fill the 512 bytes
// exactly and by one more: the entry that would take the room of the later length bytes is written
// empty, noted, and its code is never used in the texts.
TEST(Writers, NoDictionaryEntryRunsPastTheBudget) {
  const std::pair<std::vector<size_t>, size_t> cases[] = {
      {{200, 185}, 0}, {{200, 186, 2}, 1}, {std::vector<size_t>(kDictionaryEntries, 8), 79}};
  for (const auto& [sizes, dropped] : cases) {
    WriteHarness h(0, 0xAA);
    h.SetCode(-1, "");
    for (size_t i = 0; i < sizes.size(); ++i) h.SetCode(kDictionaryFirst + int(i), std::string(sizes[i], 'x'));
    SchreibeWoerterbuch(h.ctx);
    EXPECT_EQ(std::tuple(h.ctx.droppedCodes.count(), h.ctx.overflows.size()), std::tuple(dropped, dropped));
    const int32_t last = PointerOf(h, kDictionaryLast);
    EXPECT_LE(last + h.image.LeseByte(last), kDictionaryDataEnd);
    EXPECT_EQ(h.image.LeseByte(kDictionaryDataEnd + 1), 0xAA);
    if (dropped != 1) continue;
    EXPECT_EQ(h.ctx.overflows[0].text, "Dictionary entry {22} \"" + std::string(186, 'x') + "\" did not fit");
    EXPECT_EQ(h.Slice(kDictionaryData + 201, 4), Hex("00 02 D1 D1"));
    testing::PutDialogue(h.doc, {{std::string(186, 'x')}});
    SchreibeBanken(h.ctx);
    EXPECT_EQ(h.Slice(kBankPlaces[0].dataStart, 93), testing::Bytes(93, 0x23));
  }
}

// Cancel is noticed once a text, after its caption and before its pointer: here at text 3. The name
// tables poll twice an entry for titles, locations and items, enemies once a byte.
TEST(Writers, CaptionsProgressAndCancel) {
  WriteHarness h(5, 0xAA);  // calls: text 1 yield, step, text 2 yield, step, text 3 yield
  h.doc.Texte[1][1].Aktuell = "Kael";
  EXPECT_EQ(SchreibeBanken(h.ctx), WriteResult::Stopped);
  EXPECT_EQ(h.Slice(kTable1, 6), Hex("90 03 92 03 AA AA"));
  EXPECT_EQ(h.Slice(kStart1, 5), Hex("13 00 FF 00 AA"));
  EXPECT_EQ(h.progress.steps.back(), std::make_pair(2, 6054));
  EXPECT_EQ(h.progress.captions, (std::vector<std::string>{"Writing DialogBank 1/21   Textnr:1/456",
                                                           "Writing DialogBank 1/21   Textnr:2/456",
                                                           "Writing DialogBank 1/21   Textnr:3/456"}));
  WriteHarness names;
  names.doc.ItemInfos[5] = "x";
  ASSERT_EQ(SchreibeNamenstabellen(names.ctx), WriteResult::Finished);
  EXPECT_EQ(names.ctx.progressCounter, 27 + 111 + 231 + 251 + 116 + 242 + 2 + 242);
  const auto& c = names.progress.captions;
  for (const char* caption : {"Writing Locationname 111/111", "Writing Items 231/231", "Writing Enemys 250/250",
                              "Writing Technics&Magics 115/235", "Writing Technics&Magics 116/235"})
    EXPECT_NE(std::find(c.begin(), c.end(), caption), c.end()) << caption;
  EXPECT_EQ(c.front() + ", " + c.back(), "Writing Savetitle 1/27, Writing Item Infos ............");
  for (const auto& [count, dots] : {std::pair{10, ""}, {11, "."}, {30, ".."}, {50, ".."}, {51, "..."}})
    EXPECT_EQ(ItemInfoCaption(count), std::string("Writing Item Infos ") + dots);
  WriteHarness stopping(2 * 27 + 2 * 111 + 2 * 231 + 3, 0xAA);  // at enemy 0's third byte
  EXPECT_EQ(SchreibeNamenstabellen(stopping.ctx), WriteResult::Stopped);
  EXPECT_EQ(stopping.Slice(kEnemyRecords, 3), Hex("FF FF AA"));
  EXPECT_EQ(stopping.progress.captions.back(), "Writing Enemys 0/250");
}

}  // namespace
}  // namespace orvane
