// Writing into the image: the encoder's rule, the three writers byte for byte, random documents written and
// decoded back, the fit measurement that stands for the writers, and "Save in Rom" as a whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <span>
#include <sys/stat.h>

#include "check/fit.h"
#include "check/problems.h"
#include "check/read_back.h"
#include "check/unwritable.h"
#include "common/file_helpers.h"
#include "common/progress_sink.h"
#include "compression/optimizer.h"
#include "demo/demo_rom.h"
#include "layout.h"
#include "operations/save_procedure.h"
#include "operations/save_report.h"
#include "rom/rom_loader.h"
#include "support/rom_fixture.h"
#include "support/scripted_prompter.h"
#include "support/write_harness.h"
#include "writer/name_tables.h"
#include "writer/write_context.h"

namespace orvane {
namespace {

// The encoder: the longest-match rule with its ties, the end of the text and the brace escapes, in the
// name form and the dialogue form. The fuzz target fuzz_encoder holds the indexed encoder against the plain
// reading of the rule, on random tables from its corpus.
using testing::Bytes;
using testing::Hex;

TEST(Encoder, LongestPieceFirstLowestCodeOnTiesThenTheBraceEscape) {
  testing::WriteHarness h;
  h.SetCode(0x21, "th");
  h.SetCode(0x22, "A");    // the text of 0xA0 too: the lower code wins
  h.SetCode(0x23, "Kae");  // a shorter piece than the name: the name wins
  // The name form's bytes; the dialogue form's, or "!" and the character it stops at.
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {"the Kaela", "21 BE EF 13 BA", "21 BE EF 13 BA"}, {"a[LS]A", "BA 06 22", "BA 06 22"},
      {"....", "F1 E8", "F1 E8"}, {"{1A}{1a}{A0}{FF}", "1A 1A A0 FF", "1A 1A A0 FF"},
      {"{1}", "D5", "!{"}, {"a{123}", "BA D5 D6 D7", "!{"}, {"ab[XY]", "BA BB B7 B8", "!["},
      {"a\r\nb", "BA BB", "!\r"}, {"A\x01" "B", "22 A1", "!\x01"}, {"", "", "FF"}};
  const Encoder encoder(h.doc.Kodiertabelle, h.doc.MaxEintragLaenge[1]);
  for (const auto& [text, name, dialogue] : cases) {
    Bytes nameCodes, dialogueCodes;
    EXPECT_EQ(encoder.KodiereText(text, nameCodes), static_cast<int32_t>(Hex(name).size()));
    EXPECT_EQ(nameCodes, Hex(name)) << text;
    const std::optional<std::string> stop = encoder.KodiereDialog(text, dialogueCodes);
    if (dialogue[0] == '!') EXPECT_EQ(stop, dialogue.substr(1)) << text;
    else EXPECT_EQ(dialogueCodes, Hex(dialogue)) << text;
  }
  Bytes before;  // a brace group that is no number is an error; the codes before it stay
  EXPECT_THROW(encoder.KodiereText("ab{ZZ}c", before), RunError);
  EXPECT_EQ(before, Hex("BA BB"));
  h.SetCode(0x40, std::string(300, 'x'));
  EXPECT_EQ(h.doc.MaxEintragLaenge[1], 255);  // a Byte: longer entries are never tried whole
}

// The three writers byte for byte, into an image of 0xAA bytes: the dialogue banks (pointers before
// packed texts, the space rule, texts that cannot be encoded, Cancel), the dictionary area (127 pointers,
// one code per character, the 512-byte budget) and the name tables (padded records, the titles' space
// rule, overlong names, captions and progress). The expected bytes are spelled out by hand.
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
      testing::PutDialogue(h.doc, {{"ab", "c", "d"}, {""}}), h.doc.BankInfo[1].DataEnd = kStart1 + last;
    };
  };
  const auto text3 = [](const char* text) { return [text](WriteHarness& h) { h.doc.Texte[2][3].Aktuell = text; }; };
  const auto bankGivenUp = [](WriteHarness& h) { EXPECT_EQ(h.ctx.FreierPlatz[1], 0); };
  const auto lastTitle = [](int over) {  // behind 26 lone 0x00
    return [over](WriteHarness& h) { h.doc.SpeicherNamen[27] = std::string(kTitleArea - 27 + over, 'x'); };
  };
  const auto titlesFree = [](int32_t free) {
    return [free](WriteHarness& h) {
      EXPECT_EQ(std::tuple(h.ctx.titlesFree, h.ctx.overflows.size()), std::tuple(free, free ? 1u : 0u));
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
         for (int c = kDictionaryFirst; const char* entry : {"ab", "Kael", "ab[L_]", "a{40}b", "[WS]xy"})
           h.SetCode(c++, entry);
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
      // Item names are padded with spaces, enemy names with the lowest empty code (here 0x21, not 0xFF),
      // technique names with spaces and their star as 0x2F; a name longer than its record is cut and noted.
      {"records", SchreibeNamenstabellen,
       [](WriteHarness& h) {
         h.SetCode(-1, "");
         h.doc.Items[1] = {"Potion", 0x0C}, h.doc.TechNamen[0] = "*Fire";
         h.doc.GegnerNamen[0] = "Grey Wolf", h.doc.GegnerNamen[7] = "Twelve chars";
       },
       {}, F,
       {{kItemRecords, "0C AF C8 CD C2 C8 C7 EF EF EF EF"}, {kEnemyRecords, "A6 CB BE D2 EF B6 C8 C5 BF 21 21"},
        {kEnemyRecords + 77, "B3 D0 BE C5 CF BE EF BC C1 BA CB"}, {kTechRecords, "2F A5 C2 CB BE" + Times(17, " EF")}},
       "",
       [](WriteHarness& h) {  // stored padded
         EXPECT_EQ(h.doc.Items[1].Name + "|" + h.ctx.overflows.at(0).text,
                   "Potion    |Enemy 7 is longer than 11 characters; its first 11 were written");
       }},
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

// Random documents written by the three writers into a random image: decoding the image gives each
// document back, every string list is packed from its area's start with each distinct item description
// once, the save's free-space report is what the image shows, and no byte outside the text areas
// changes, also when every list is far too long for its area. The read-back check reports a text the
// written image does not give back with its place; what the decoder always changes (escape case, escapes of
// codes with a text, dictionary codes, the padding of record names, empty dictionary entries) it does not.
void WriteAll(testing::WriteHarness& h) {
  EXPECT_EQ(SchreibeWoerterbuch(h.ctx), WriteResult::Finished);
  EXPECT_EQ(SchreibeBanken(h.ctx), WriteResult::Finished);
  EXPECT_EQ(SchreibeNamenstabellen(h.ctx), WriteResult::Finished);
}

int32_t TerminatorFrom(const RomImage& rom, int32_t p) {
  while (rom.LeseByte(p) != 0) ++p;
  return p;
}

// Where the list's strings end when they lie one after the other from `start` in pointer order; -1 if not.
int32_t PackedEnd(const RomImage& rom, int32_t pointers, int count, int32_t start) {
  for (int i = 0; i < count; ++i, start = TerminatorFrom(rom, start) + 1)
    if (rom.LeseZeiger(pointers + 2 * i) != start) return -1;
  return start;
}

// Text of up to `length` characters from units the decoder gives back as they are.
std::string RandomText(std::mt19937& rng, size_t length) {
  static const std::vector<std::string> pieces{"a", "b", "e", "t", "h", "A", "K", "x", "0", "7", ".", ",", "!", "'",
                                               " ", " ", "Kael", "Lirae", "...", "[L_]", "[LS]", "[W_]", "{0E}"};
  std::string text;
  for (size_t want = rng() % (length + 1); text.size() < want && text.size() + 4 <= length;)
    text += pieces[rng() % pieces.size()];
  return text;
}

// A dictionary of two- and three-character entries and every list filled at random: with `scale` 1 all
// fits, larger ones overflow every area.
void FillRandomly(testing::WriteHarness& h, std::mt19937& rng, size_t scale) {
  for (uint8_t& b : h.image.bytes()) b = static_cast<uint8_t>(rng());
  for (int c = kDictionaryFirst; c <= kDictionaryLast; ++c)
    h.SetCode(c, std::string{"abeht x"[rng() % 7], "abeht x"[rng() % 7]} + (rng() % 2 ? "" : "e"));
  for (int b = 1; b <= kBankCount; ++b) {
    const BankRecord& r = h.doc.BankInfo[b];
    const auto room = static_cast<size_t>((r.DataEnd + 1 - r.DataStart) / r.TextCount - 1);  // a terminator less
    for (int t = 1; t <= r.TextCount; ++t) h.doc.Texte[b][t].Aktuell = RandomText(rng, scale * room);
  }
  for (auto& title : std::span(h.doc.SpeicherNamen).subspan(1)) title = RandomText(rng, 18 * scale);
  for (auto& location : std::span(h.doc.StadtNamen).subspan(1)) location = RandomText(rng, 6 * scale);
  for (auto& item : h.doc.Items) item = {RandomText(rng, 10 * scale), static_cast<uint8_t>(rng())};
  for (auto& enemy : h.doc.GegnerNamen) enemy = RandomText(rng, 11 * scale);
  for (auto& tech : h.doc.TechNamen) tech = (rng() % 3 ? "" : "*") + RandomText(rng, 10 * scale);
  for (auto& info : h.doc.TechBeschreibungen) info = RandomText(rng, 80 * scale);
  std::vector<std::string> descriptions(30);
  for (auto& d : descriptions) d = RandomText(rng, 40 * scale);
  for (auto& info : std::span(h.doc.ItemInfos).subspan(1)) info = rng() % 5 ? descriptions[rng() % 30] : "";
}

TEST(WriteRoundTrip, DecodingGivesBackEveryTextPackedAndWithinItsArea) {
  for (uint32_t seed = 1; seed <= 4; ++seed) {  // the last with every list far too long for its area
    std::mt19937 rng(seed);
    testing::WriteHarness h;  // every question is answered so that the writers go on
    FillRandomly(h, rng, seed == 4 ? 20 : 1);
    const std::vector<uint8_t> before = h.image.bytes();
    WriteAll(h);
    std::vector<std::pair<int32_t, int32_t>> areas{
        {kDictionaryPointers, 2 * kDictionaryEntries}, {kDictionaryData, kDictionaryBudget},
        {kTitelZeigerTabelle, 2 * kTitelAnzahl}, {kTitelDatenStart, kTitelDatenEnde - kTitelDatenStart},
        {kStadtZeigerStart, 2 * kStadtAnzahl}, {kStadtDatenStart, kStadtDatenEnde - kStadtDatenStart},
        {kItemRecords, kItemRecordsLast + 1 - kItemRecords}, {kEnemyRecords, kEnemyRecordsLast + 1 - kEnemyRecords},
        {kTechRecords, kTechRecordsLast + 1 - kTechRecords}, {kTechInfoPointers, 2 * kTechInfoCount},
        {kTechInfoData, kTechInfoDataLast + 1 - kTechInfoData}, {kItemInfoPointers, 2 * kItemInfoCount},
        {kItemInfoData, kItemInfoDataLast + 1 - kItemInfoData}};
    for (const BankRecord& r : std::span(h.doc.BankInfo).subspan(1, kBankCount)) {
      areas.emplace_back(r.PointerTable, 2 * r.TextCount);
      areas.emplace_back(r.DataStart, r.DataEnd + 1 - r.DataStart);
    }
    std::vector<uint8_t> outside = h.image.bytes();
    for (const auto& [first, count] : areas) std::copy_n(before.begin() + first, count, outside.begin() + first);
    EXPECT_TRUE(outside == before);  // no byte outside the text areas changed
    if (seed == 4) {  // every bank, the titles, the locations, the items asked
      EXPECT_GT(h.prompter.messages().size(), 21u);
      break;
    }
    EXPECT_TRUE(h.prompter.empty());

    Document back;
    DecodeRomImage(back, h.image, 0);
    EXPECT_EQ(back.Tabelle[1], h.doc.Tabelle[1]);
    for (int b = 1; b <= kBankCount; ++b)
      for (int t = 1; t <= h.doc.BankInfo[b].TextCount; ++t)
        ASSERT_EQ(back.Texte[b][t].Aktuell, h.doc.Texte[b][t].Aktuell) << b << "/" << t;
    const auto lists = [](const Document& d) {
      return std::tie(d.SpeicherNamen, d.StadtNamen, d.GegnerNamen, d.TechBeschreibungen, d.ItemInfos);
    };
    EXPECT_EQ(lists(back), lists(h.doc));
    for (int i = 1; i <= kItemCount; ++i)  // the writer has padded the names to ten characters
      ASSERT_EQ(back.Items[i].Name + char(back.Items[i].Symbol), h.doc.Items[i].Name + char(h.doc.Items[i].Symbol));
    for (int i = 0; i < kTechCount; ++i) {  // padded with spaces to eleven codes
      const std::string& tech = h.doc.TechNamen[i];
      ASSERT_EQ(back.TechNamen[i], tech + std::string(back.TechNamen[i].size() - tech.size(), ' '));
    }

    // The report from the image: what each packed area leaves after its last terminator.
    std::string report = "Free Space in bytes:";
    for (int b = 1; b <= kBankCount; ++b) {
      const BankRecord& r = h.doc.BankInfo[b];
      const int32_t end = PackedEnd(h.image, r.PointerTable, r.TextCount, r.DataStart);
      report += "\r\nBank" + std::to_string(b) + ":" + std::to_string(end < 0 ? end : r.DataEnd + 1 - end);
    }
    const int32_t titles = PackedEnd(h.image, kTitelZeigerTabelle, kTitelAnzahl, kTitelDatenStart);
    const int32_t locations = PackedEnd(h.image, kStadtZeigerStart, kStadtAnzahl, kStadtDatenStart);
    EXPECT_NE(PackedEnd(h.image, kTechInfoPointers, kTechInfoCount, kTechInfoData), -1);
    std::map<std::string, int32_t> placed{{"", kItemInfoData}};  // each distinct description once, in order
    int32_t next = kItemInfoData + 1;
    for (int i = 1; i <= kItemInfoCount; ++i) {
      const auto [where, added] = placed.emplace(h.doc.ItemInfos[i], next);
      if (added) next = TerminatorFrom(h.image, next) + 1;
      ASSERT_EQ(h.image.LeseZeiger(kItemInfoPointers + 2 * (i - 1)), where->second) << i;
    }
    report += "\r\n\r\nTitles: " + std::to_string(kTitelDatenEnde - titles) + "\r\nLocations: " +
              std::to_string(kStadtDatenEnde - locations) + "\r\nIteminfo: " +
              std::to_string(kItemInfoDataLast + 1 - next);
    EXPECT_EQ(FreeSpaceReport(h.ctx), report);
  }
}

TEST(ReadBack, ReportsTheTextADictionaryEntryCannotGiveBack) {
  testing::WriteHarness h;
  // A line code ends a dictionary entry when it is read, so "x[L_]" reads as "x".
  h.SetCode(0x21, "x[L_]");
  h.SetCode(0x22, "");
  h.doc.Texte[1][1].Aktuell = "x[L_]y";
  h.doc.Texte[1][2].Aktuell = "{1a}{A0}{ff}Kael[WS]{22}";
  h.doc.TechNamen[0] = "*Fire", h.doc.GegnerNamen[0] = "Bat", h.doc.Items[1].Name = "Potion";  // padded records
  WriteAll(h);

  const std::vector<ReadBackRow> rows = ReadBack(h.doc, h.image);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(ReadBackLine(rows[0]), "bank 1 text 1 reads back as \"xy\" instead of \"x[L_]y\"");
}

// The fit measurement against the writers it stands for, the live figures of a bank against the
// whole measurement, and the problems list with one planted problem of each kind.
constexpr int32_t kHighestArea = 0x3FD762;  // the byte after bank 21's text area, the last one

// The demo document and its ROM, with bytes outside the text areas (before the lowest area and behind
// the highest one) that only a copy of this file can have.
const std::pair<Document, Bytes>& Demo() {
  static const std::pair<Document, Bytes> demo = [] {
    std::pair<Document, Bytes> d;
    demo::MakeDemoDocument(d.first);
    d.second = demo::WriteDemoRom(d.first);
    for (int32_t p = 0; p < kStadtDatenStart; p += 7) d.second[p] = p & 0xFF;
    for (int32_t p = kHighestArea; p < kFullImageSize; p += 7) d.second[p] = p & 0xFF;
    return d;
  }();
  return demo;
}

TEST(Fit, BanksUseWhatTheBankWriterLeaves) {
  Document doc = Demo().first;
  for (const bool overfullDictionary : {false, true}) {
    if (overfullDictionary) doc.Tabelle[1][0x21] = std::string(250, 'q');  // the last entries are dropped
    const FitReport report = MeasureFit(doc);
    WriteHarness h;
    h.doc = doc;
    h.SetCode(0, doc.Tabelle[1][0]);  // the table to write with
    SchreibeWoerterbuch(h.ctx);
    ASSERT_EQ(SchreibeBanken(h.ctx), WriteResult::Finished);
    EXPECT_EQ(std::tuple(report.dictionary.fits, report.overflows.empty(), report.dictionary.used > kDictionaryBudget),
              std::tuple(!overfullDictionary, !overfullDictionary, overfullDictionary));
    for (int b = 1; b <= kBankCount; ++b) {
      const AreaFit& bank = report.banks[b - 1];
      ASSERT_TRUE(bank.fits) << bank.name;
      EXPECT_EQ(bank.free(), h.ctx.FreierPlatz[b]) << bank.name;
    }
  }
  // Escapes are counted in the codes they are written as: 762 bytes in the window, 381 in the ROM.
  for (int c = 0x21; c <= 0x9F; ++c) doc.Tabelle[1][c] = "{41}{42}";
  const AreaFit dictionary = MeasureFit(doc).dictionary;
  EXPECT_EQ(std::tuple(dictionary.used, dictionary.fits), std::tuple(int64_t{381}, true));
  // A dropped "[" no longer stands for its character in the later entries: each "[L_]" is one code.
  for (int c = 0x21; c <= 0x9F; ++c) doc.Tabelle[1][c] = c == 0x23 ? "[" : "[L_]";
  doc.Tabelle[1][0x21] = std::string(200, 'q'), doc.Tabelle[1][0x22] = std::string(185, 'q');
  EXPECT_EQ(MeasureFit(doc).dictionary.used, 201 + 186 + 2 + 124 * 2);
}

TEST(Fit, LiveFiguresFollowTheWholeMeasurement) {
  Document doc = Demo().first;
  int bank = 1;
  for (int b = 1; b <= kBankCount; ++b)
    if (doc.BankInfo[b].TextCount > doc.BankInfo[bank].TextCount) bank = b;
  const Encoder encoder = SaveEncoder(doc);
  BankFit live(doc, encoder, bank);
  std::mt19937 random(7);
  const std::string pieces[] = {"Kael", "the ", "[L_]", "x", "{1A}", "{ZZ}", "_", "...", "\xFC"};
  for (int edit = 0; edit < 12; ++edit) {
    const int text = 1 + static_cast<int>(random() % doc.BankInfo[bank].TextCount);
    std::string typed = edit % 4 == 0 ? doc.Texte[bank][text].Original : doc.Texte[bank][text].Aktuell;
    for (int n = random() % 40; n > 0; --n) typed.insert(random() % (typed.size() + 1), pieces[random() % 9]);
    const BankFit::Figures figures = live.With(text, typed);
    Document stored = doc;
    stored.Texte[bank][text].Aktuell = typed;
    int changed = 0;
    for (int t = 1; t <= doc.BankInfo[bank].TextCount; ++t)
      changed += stored.Texte[bank][t].Aktuell != stored.Texte[bank][t].Original;
    const FitReport report = MeasureFit(stored);
    const AreaFit whole = report.banks[bank - 1];
    std::vector<std::string> unwritable;
    for (const TextFailure& failure : report.unencodable)
      for (const std::string& piece : failure.pieces)
        if (failure.place.bank == bank && std::ranges::find(unwritable, piece) == unwritable.end())
          unwritable.push_back(piece);
    ASSERT_EQ(figures.used, whole.used) << typed;
    ASSERT_EQ(figures.bankPieces, unwritable);
    ASSERT_EQ(figures.free(), whole.free());
    ASSERT_EQ(figures.changed, changed);
    if (edit % 2 == 0) {  // "Save"
      doc.Texte[bank][text].Aktuell = typed;
      live.Refresh(text);
    }
  }
  // No text of the bank shown: the stored figures.
  for (const int32_t outside : {0, doc.BankInfo[bank].TextCount + 1})
    EXPECT_EQ(std::tuple(live.With(outside, "x").used, live.With(outside, "x").textBytes),
              std::tuple(live.With(1, doc.Texte[bank][1].Aktuell).used, 0));
}

// What the table cannot write, found with the encoder's own rule, and the bytes of the rest.
TEST(Unwritable, PiecesAndBytesOfADialogueText) {
  const Encoder encoder = SaveEncoder(Demo().first);
  const std::pair<std::string, std::tuple<int32_t, std::vector<std::string>>> cases[] = {
      {"Kael", {2, {}}},
      {"", {2, {}}},                                       // the empty entry's code
      {"a\xFC" "b\xFC", {3, {"\xFC", "\xFC"}}},            // each time it occurs
      {"x{ZZ}y{1}z", {4, {"{ZZ}", "{1}"}}},                // brace groups whole
      {"{_{ ", {2, {"{", "_", "{"}}},                      // a "{" that opens no group
      {"{1A}{a0}", {3, {}}}};
  for (const auto& [text, expected] : cases) {
    const DialogueMeasure measure = MeasureDialogueText(encoder, text);
    std::vector<std::string> pieces;
    for (const UnwritablePiece& piece : measure.unwritable) pieces.push_back(text.substr(piece.start, piece.length));
    EXPECT_EQ(std::tuple(measure.bytes, pieces), expected) << text;
  }
}

// Against the dialogue form: a text has pieces the table cannot write exactly when the writer stops
// in it, at the first of them, and a writable text takes the bytes the writer writes.
TEST(Unwritable, AgreesWithTheDialogueForm) {
  const Encoder encoder = SaveEncoder(Demo().first);
  std::mt19937 random(11);
  const std::string pieces[] = {"Kael", "the ", "[L_]", "{1A}", "{ZZ}", "{1}", "_", "...", "\xFC", "e", "{"};
  for (int n = 0; n < 300; ++n) {
    std::string text;
    for (int k = random() % 6; k > 0; --k) text += pieces[random() % 11];
    std::vector<uint8_t> codes;
    std::string stop;
    try {
      stop = encoder.KodiereDialog(text, codes).value_or("");
    } catch (const RunError&) {
      stop = "{";
    }
    const DialogueMeasure measure = MeasureDialogueText(encoder, text);
    const std::string first = measure.unwritable.empty() ? "" : text.substr(measure.unwritable[0].start, 1);
    ASSERT_EQ(first, stop) << text;
    if (stop.empty()) {
      ASSERT_EQ(measure.bytes, static_cast<int32_t>(codes.size()) + 1) << text;
    }
  }
}

TEST(Problems, OneRowForEachKindOfProblem) {
  Document doc = Demo().first;
  ASSERT_TRUE(FindProblems(doc).empty());
  doc.Texte[1][1].Aktuell = "a_b\xFC_";
  doc.Texte[1][2].Aktuell = "x{ZZ}y";
  doc.Texte[1][3].Aktuell.clear();
  for (int line = 0; line < 256; ++line) doc.Texte[1][3].Aktuell += "A[L_]";
  doc.Texte[2][4].Aktuell = std::string(20000, 'z');
  doc.Items[3].Name = "Excalibur II";
  doc.GegnerNamen[7] = "{00}";
  for (int i = 1; i <= kLocationCount; ++i) doc.StadtNamen[i] = "A far too long location name";
  doc.Tabelle[1][0x21] = std::string(250, 'q');
  std::vector<ProblemRow> rows = FindProblems(doc);
  const std::vector<ProblemRow> readBack = ReadBackProblems(doc, {{"item 17 name", "Rope", "Rop"}});
  rows.insert(rows.end(), readBack.begin(), readBack.end());
  AddTableFileAdvice("/t/x.tbl", rows);
  std::string seen;
  for (const ProblemRow& row : rows)
    if (seen.find(std::string(KindName(row.kind))) == std::string::npos)
      seen += std::string(KindName(row.kind)) + ": " + row.where + (row.place ? "" : " -") + ": " + row.reason + "\n";
  EXPECT_EQ(seen,
            "Dictionary: dictionary -: takes 629 of its 512 bytes\n"
            "Overflow: location 48: does not fit into its area\n"
            "Character: bank 1 text 1: no code for \"_\", \"\xFC\". A character the game should show needs a code in "
            "the table file /t/x.tbl (and a picture in the game's font).\n"
            "Escape: bank 1 text 2: the brace group \"{ZZ}\" is no escape (an escape is { and two hex digits and })\n"
            "Lines: bank 1 text 3: it has 257 lines; \"Save\" keeps the first 255\n"
            "Too long: item 3 name: longer than 10 characters (12)\n"
            "Read-back: item 17 name: reads back as \"Rop\" instead of \"Rope\"\n");
  const auto bankRow = std::ranges::find(rows, std::string("bank 2 text 4"), &ProblemRow::where);
  ASSERT_NE(bankRow, rows.end());
  EXPECT_EQ(bankRow->reason.substr(0, 7), "bank 2 ");
  // The save's report keeps the entries left out apart from those cut.
  for (const bool cutToo : {false, true}) {
    std::vector<OverflowNote> notes = {{"Savetitle 3 did not fit", {}, false}};
    if (cutToo) notes.push_back({"Item 1 is longer than 10 characters; its first 10 were written", {}, true});
    EXPECT_EQ(OverflowMessage(notes).text,
              "These entries did not fit into their areas and were not written:\r\nSavetitle 3 did not fit" +
                  std::string(cutToo ? "\r\n\r\nThese entries were cut to fit: only their first characters were "
                                       "written:\r\nItem 1 is longer than 10 characters; its first 10 were written"
                                     : ""));
  }
}

// "Save in Rom" as a whole, on the demo document and real files: every question and its answers, the
// copy to a new name, the automatic optimizer and its seed, the closing reports, and what the file
// holds after a finished, stopped or failed save.
namespace fs = std::filesystem;

bool SameBytes(const Bytes& a, const Bytes& b, int32_t first, int32_t end) {
  return std::min(a.size(), b.size()) >= size_t(end) && std::equal(&a[first], &a[end], &b[first]);
}

class SaveInRomTest : public ::testing::Test {
 protected:
  // The demo document loaded from `loaded`, with a settled dictionary.
  void SetUp() override {
    WriteFileAtomically(loaded, Demo().second);
    params.RomPfadGeladen = loaded;
    doc.TabelleGeaendert = true;
  }

  // Saves into `target` (none: the dialog was closed), starting a new file from `base` when asked for
  // one; returns the titles of the messages shown.
  std::string Save(const std::optional<std::string>& target, std::deque<Answer> answers = {}, long stopAfter = 0) {
    prompter = testing::ScriptedPrompter(std::move(answers));
    progress = testing::RecordingProgress(stopAfter);
    testing::FixedFileChooser chooser(base, {target});
    ApplyChanges changes(doc);
    outcome = SaveInRom(doc, params, prompter, progress, chooser, changes);
    requests = chooser.requests;
    std::string titles;
    for (const Message& m : prompter.messages()) titles += m.title + ";";
    return titles;
  }

  testing::TempFolder folder;
  const std::string loaded = folder.file("loaded.smc");
  Document doc = Demo().first;
  SaveParams params;
  testing::ScriptedPrompter prompter;
  testing::RecordingProgress progress;
  SaveOutcome outcome = SaveOutcome::Finished;
  std::vector<FileRequest> requests;
  std::optional<std::string> base;  // the ROM to start from; none: that dialog was closed
};

// Every way through a save: the warning and its two answers, a closed dialog or an empty name, the
// optimizer stopped, Cancel while writing (a writer's own questions stop it the same way; the writers'
// table has their answers), targets that cannot be written or made (without a loaded ROM to copy), and
// entries that do not fit. Each row: the setup, the target, the answers, the progress call that stops the save,
// the titles shown, the outcome and what the target holds afterwards. A save that does not finish leaves
// the texts unsaved and the target as it was, and says so last.
TEST_F(SaveInRomTest, EveryAnswerPathEndsWithItsMessagesOutcomeAndFile) {
  enum Setup { kSettled, kWarned, kUnsettled, kNoSource, kLongInfos };
  enum Left { kOld, kChanged, kNone };
  struct Path { Setup setup; std::optional<std::string> target; std::deque<Answer> answers; long stopAfter;
                std::string titles; SaveOutcome outcome; Left left; };
  const std::string readOnly = folder.file("readonly.smc"), taken = folder.file("taken.smc");
  const std::string missing = folder.file("missing/out.smc"), fifo = folder.file("fifo.smc");
  const Path paths[] = {
      {kWarned, loaded, {Answer::Cancel}, 0, "Warning!!!;", SaveOutcome::Cancelled, kOld},
      {kWarned, loaded, {Answer::Ok}, 0, "Warning!!!;Finished!;Info;", SaveOutcome::Finished, kChanged},
      {kUnsettled, std::nullopt, {}, 0, "", SaveOutcome::Cancelled, kOld},  // the default setting asks nothing
      {kSettled, "", {}, 0, "", SaveOutcome::Cancelled, kOld},
      {kUnsettled, loaded, {}, 3, "Orvane Texteditor;", SaveOutcome::Stopped, kOld},
      {kSettled, loaded, {}, 20, "Orvane Texteditor;", SaveOutcome::Stopped, kOld},
      {kSettled, loaded, {Answer::No}, -20, "Error Nr. 7;Orvane Texteditor;", SaveOutcome::Stopped, kOld},
      {kLongInfos, loaded, {}, 0, "Finished!;Info;Not everything fitted!;", SaveOutcome::Finished, kChanged},
      {kNoSource, readOnly, {Answer::No}, 0, "Orvane Texteditor;", SaveOutcome::Cancelled, kOld},
      {kNoSource, readOnly, {Answer::Yes, Answer::Yes, Answer::Yes}, 0,
       "Orvane Texteditor;Error Nr. 70;Error Nr. 70;Orvane Texteditor;", SaveOutcome::Stopped, kOld},
      {kNoSource, missing, {}, 0, "Orvane Texteditor;", SaveOutcome::Stopped, kNone},
      {kSettled, fifo, {Answer::Yes, Answer::Yes}, 0, "Error Nr. 75;Error Nr. 75;Orvane Texteditor;",
       SaveOutcome::Stopped, kOld},
      {kNoSource, taken, {Answer::No}, 0, "Error Nr. 75;Orvane Texteditor;", SaveOutcome::Stopped, kOld}};
  const std::multimap<std::string, std::string> shown{
      {"Warning!!!", "The compression should be optimized to avoid errors. Continue anyway?|100"},
      {"Orvane Texteditor", readOnly + " already exists.\r\nDo you want to replace it?|223"},
      {"Error Nr. 7", "Out of memory\r\nContinue program?|202"},
      {"Error Nr. 70", "Permission denied\r\nContinue program?|202"},
      {"Error Nr. 75", "Path/File access error"},
      {"Orvane Texteditor", "The save stopped, nothing was written: \""},
      {"Orvane Texteditor", "A new ROM file starts as a copy of the game's ROM, and none was chosen to start from. The "
                            "save stopped, nothing was written: \"" + missing + "\" was not created.|010"},
      {"Not everything fitted!", "These entries did not fit into their areas and were not written:\r\nItem-Info "}};
  fs::create_directory(taken);
  params.keepBackup = params.confirmReplace = true;
  ::mkfifo(fifo.c_str(), 0666);
  for (const Path& path : paths) {
    SCOPED_TRACE(path.titles);
    WriteFileAtomically(readOnly, Bytes{1, 2, 3});
    ::chmod(readOnly.c_str(), 0444);
    doc = Demo().first;
    params.RomPfadGeladen = path.setup == kNoSource ? "" : loaded;
    doc.TabelleGeaendert = path.setup != kWarned && path.setup != kUnsettled;
    params.OhneOptimierWarnung = path.setup == kWarned ? 0 : 1;
    for (int i = 1; path.setup == kLongInfos && i <= kItemInfoCount; ++i)
      doc.ItemInfos[i] = "Description " + std::to_string(i);
    const Bytes before = path.target && fs::is_regular_file(*path.target) ? ReadWholeFile(*path.target) : Bytes{};
    EXPECT_EQ(Save(path.target, path.answers, path.stopAfter), path.titles);
    EXPECT_EQ(outcome, path.outcome);
    EXPECT_TRUE(path.titles == "Warning!!!;" ? progress.captions.empty() : progress.captions.back().empty());
    for (const Message& m : prompter.messages()) {
      const auto [first, last] = shown.equal_range(m.title);
      EXPECT_TRUE(first == last || std::any_of(first, last, [&](auto& s) {
        return testing::Shown(m).starts_with(m.title + "|" + s.second);
      }));
    }
    EXPECT_TRUE(path.setup != kLongInfos || testing::Shown(prompter.last()).ends_with("|020!"));
    const Bytes after = path.target && fs::is_regular_file(*path.target) ? ReadWholeFile(*path.target) : Bytes{};
    // The file a save replaced is kept as NAME.bak.
    const bool kept = path.target && fs::exists(*path.target + ".bak");
    EXPECT_TRUE(kept ? ReadWholeFile(*path.target + ".bak") == before : outcome != SaveOutcome::Finished);
    if (kept) fs::remove(*path.target + ".bak");
    EXPECT_EQ(after == before, path.left != kChanged);
    EXPECT_TRUE(outcome != SaveOutcome::Stopped ||
                prompter.last().text.ends_with(path.left == kNone ? "\" was not created." : "\" is unchanged."));
    EXPECT_TRUE(path.left != kNone || !fs::exists(folder.file("missing")));
    EXPECT_EQ(requests.empty() ? "" : requests[0].title + requests[0].filter,
              path.titles == "Warning!!!;" ? "" : "In Rom Speichern...SNES-Roms|*.smc;*.fig;*.sfc");
  }
  EXPECT_TRUE(fs::is_empty(taken));
  EXPECT_TRUE(fs::is_fifo(fifo));
}

// A new name gets a copy of the loaded ROM, or with none loaded of the ROM picked to start from, with the
// new texts, and leaves that ROM as it was; when there is no ROM to copy, the save stops there and the new
// file is not created.
TEST_F(SaveInRomTest, ANewNameGetsACopyOfARomOrIsNotCreated) {
  doc.Texte[1][1].Aktuell = "Kael";
  const std::string gone = folder.file("gone.smc"), copy = folder.file("made/for/you/copy.smc");
  Bytes headed = Demo().second;  // a ROM picked to start from passes the loader's header check
  std::fill(&headed[kHeaderCheckFirst], &headed[kHeaderCheckLast + 1], 0);
  const std::string clean = folder.file("clean.smc");
  WriteFileAtomically(clean, headed);
  const std::string cannotCopy = testing::Shown(MakeMessage("Orvane Texteditor", "Couldn't copy file \"" + gone + "\""));
  const struct { std::string loaded; std::optional<std::string> base; std::string titles, first; } rows[] = {
      {loaded, std::nullopt, "Finished!;Info;", ""},
      {gone, std::nullopt, "Orvane Texteditor;Orvane Texteditor;", cannotCopy},
      {"", clean, "Finished!;Info;", ""},
      {"", gone, "Orvane Texteditor;Orvane Texteditor;", cannotCopy},
      {"", std::nullopt, "Orvane Texteditor;", ""}};  // the answer-path table has its message
  for (const auto& row : rows) {
    SCOPED_TRACE(row.loaded + " " + row.base.value_or("(none)"));
    params.RomPfadGeladen = row.loaded;
    base = row.base;
    fs::remove_all(folder.file("made"));
    EXPECT_EQ(Save(copy), row.titles);
    ASSERT_EQ(requests.size(), row.loaded.empty() ? 2u : 1u);
    if (row.loaded.empty()) {  // an open dialog this time
      EXPECT_EQ(std::tuple(requests[1].title, requests[1].filter, requests[1].save),
                std::tuple("Choose the ROM to start from", "SNES-Roms|*.smc;*.fig;*.sfc", false));
    }
    EXPECT_EQ(std::pair(ReadWholeFile(loaded), ReadWholeFile(clean)), std::pair(Demo().second, headed));
    if (!row.first.empty()) {
      EXPECT_EQ(testing::Shown(prompter.messages()[0]), row.first);
    }
    if (outcome != SaveOutcome::Finished) {
      EXPECT_EQ(outcome, SaveOutcome::Stopped);
      EXPECT_FALSE(fs::exists(folder.file("made")));
      continue;
    }
    const Bytes out = ReadWholeFile(copy), from = ReadWholeFile(row.base.value_or(loaded));
    EXPECT_EQ(Bytes(out.begin() + 0x370590, out.begin() + 0x370592), testing::Hex("13 00"));
    EXPECT_TRUE(SameBytes(out, from, 0, kStadtDatenStart));
    EXPECT_TRUE(SameBytes(out, from, kHighestArea, kFullImageSize));
  }
}

// The automatic optimizer runs while the dictionary is unsettled, with the seed given, or with one from
// the clock for seed 0; the second save keeps the dictionary the first one settled.
TEST_F(SaveInRomTest, TheOptimizerSettlesTheDictionaryWithTheGivenSeedOrTheClock) {
  const auto optimized = [this] {
    return std::count(progress.captions.begin(), progress.captions.end(), "Searching best compression...");
  };
  for (const uint64_t seed : {1, 0}) {
    doc.TabelleGeaendert = false;
    params.seed = seed;
    EXPECT_EQ(Save(loaded), "Finished!;Info;");
    EXPECT_EQ(std::pair(optimized(), doc.TabelleGeaendert), std::pair(std::ptrdiff_t{1}, true));
    EXPECT_EQ(doc.Kodiertabelle, doc.Tabelle[1]);
    Document direct = Demo().first;
    ASSERT_TRUE(SucheBesteKompression(direct, progress, prompter, seed));
    EXPECT_EQ(doc.Tabelle[1] == direct.Tabelle[1], seed != 0) << seed;
  }
  EXPECT_EQ(Save(loaded), "Finished!;Info;");
  EXPECT_EQ(optimized(), 0);
}

// The time runs on a clock that only goes forward, from before the writers to after the read-back, and
// never shows less than nothing; the message then says what the read-back found. An unchanged document
// writes the bytes the file had.
TEST_F(SaveInRomTest, FinishedTellsTheTimeAndTheReadBackAndInfoTheFreeSpace) {
  for (const auto& [start, end, shown] : {std::tuple<double, double, std::string>{100.4, 101.65, "1.25"},
                                          {100.6, 100.8, "0.20"}, {7.5, 7.2, "0.00"}}) {
    params.clock = [times = std::vector{start, end}, next = size_t{0}]() mutable { return times.at(next++); };
    EXPECT_EQ(Save(loaded), "Finished!;Info;");
    EXPECT_EQ(testing::Shown(prompter.messages()[0]), "Finished!|Data has been saved succesfully!\r\nTime needed:" +
                                                          shown + " sec\r\nRead back: every text as typed.|010!");
  }
  const std::string info = testing::Shown(prompter.last());
  EXPECT_TRUE(info.starts_with("Info|Free Space in bytes:\r\nBank1:")) << info;
  EXPECT_TRUE(info.ends_with("|010!")) << info;
  EXPECT_EQ(std::count(progress.captions.begin(), progress.captions.end(), "Writing Tabel into Rom..."), 1);
  EXPECT_EQ(std::tuple(progress.captions.back(), progress.steps.back().second), std::tuple("", 6054));
  EXPECT_EQ(ReadWholeFile(loaded), Demo().second);

  // A line code ends a dictionary entry when it is read, so two texts read back without their breaks.
  doc.Tabelle[1][0x21] = "x[L_]";
  doc.Texte[1][1].Aktuell = "x[L_]y";
  doc.Texte[1][2].Aktuell = "x[L_]z";
  params.clock = [] { return 0.0; };
  EXPECT_EQ(Save(loaded), "Finished!;Info;");
  EXPECT_TRUE(prompter.messages()[0].text.ends_with(
      "sec\r\nRead back: 2 texts differ from what was typed (see \"Problems\").")) << prompter.messages()[0].text;
  EXPECT_TRUE(FinishedMessage(0, 1, "listed below").text.ends_with(
      "\r\nRead back: 1 text differs from what was typed (listed below)."));
}

}  // namespace
}  // namespace orvane
