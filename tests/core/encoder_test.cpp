// The encoder: the longest-match rule with its tie, end-of-text and escape paths, the two ways of
// running it, and the indexed encoder against the plain reading of the rule on random tables.

#include <gtest/gtest.h>

#include <random>
#include <variant>

#include "common/text_helpers.h"
#include "support/linear_encoder.h"
#include "support/write_harness.h"
#include "writer/encoder.h"

namespace orvane {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::LinearKodiereText;
using testing::LinearNaechsterCode;

class EncoderTest : public ::testing::Test {
 protected:
  Encoder Make() const { return Encoder(h.doc.Kodiertabelle, h.doc.MaxEintragLaenge[1]); }
  Bytes Name(std::string_view text) const {
    Bytes b;
    Make().KodiereText(text, b);
    return b;
  }
  // Dialogue codes, or the character reported when the text stops.
  std::variant<Bytes, std::string> Dialog(std::string_view text) const {
    Bytes b;
    if (auto unknown = Make().KodiereDialog(text, b)) return *unknown;
    return b;
  }
  testing::WriteHarness h;
};

TEST_F(EncoderTest, LongestPieceFirstAndLowestCodeOnTies) {
  EXPECT_EQ(Name("Kael"), Bytes{0x13});                   // the name, not four letters
  EXPECT_EQ(Name("Kaela"), (Bytes{0x13, 0xBA}));
  EXPECT_EQ(Name("a[LS]A"), (Bytes{0xBA, 0x06, 0xA0}));  // case matters
  EXPECT_EQ(Name("...."), (Bytes{0xF1, 0xE8}));           // greedy, no look-ahead
  h.SetCode(0x21, "th");
  h.SetCode(0x22, "A");       // same text as 0xA0: the lower code wins
  h.SetCode(0x23, "Kae");     // shorter than the name: the longer piece wins
  EXPECT_EQ(Name("the A Kael"), (Bytes{0x21, 0xBE, 0xEF, 0x22, 0xEF, 0x13}));
}

TEST_F(EncoderTest, BraceEscapes) {
  EXPECT_EQ(Name("{1A}"), Bytes{0x1A});  // the table's own escape
  EXPECT_EQ(Name("{1a}"), Bytes{0x1A});  // lower case: through the brace path
  EXPECT_EQ(Name("{A0}"), Bytes{0xA0});  // a code that has another text
  EXPECT_EQ(Name("{FF}"), Bytes{0xFF});  // the code without text
  // Not escapes: the brace has no code; a name drops it, a dialogue text stops at it.
  EXPECT_EQ(Name("{1}"), (Bytes{0xD5}));
  EXPECT_EQ(Name("{123}"), (Bytes{0xD5, 0xD6, 0xD7}));
  EXPECT_EQ(Dialog("a{123}"), (std::variant<Bytes, std::string>{std::string("{")}));
  // A brace group that is not hexadecimal is an error, with the codes before it kept.
  Bytes b;
  try {
    Make().KodiereText("ab{ZZ}c", b);
    FAIL() << "no error";
  } catch (const RunError& e) {
    EXPECT_EQ(e.number(), errors::kTypeMismatch);
  }
  EXPECT_EQ(b, (Bytes{0xBA, 0xBB}));
  EXPECT_THROW(Make().KodiereDialog("{ZZ}", b), RunError);
}

TEST_F(EncoderTest, DialogueFormStopsAtCharactersWithoutCode) {
  using Result = std::variant<Bytes, std::string>;
  EXPECT_EQ(Dialog("[LS]ab"), Result(Bytes{0x06, 0xBA, 0xBB}));
  EXPECT_EQ(Dialog("ab[XY]"), Result(std::string("[")));
  EXPECT_EQ(Dialog("a\r\nb"), Result(std::string("\r")));
  // The name form drops what has no code.
  EXPECT_EQ(Name("A\x01" "B"), (Bytes{0xA0, 0xA1}));
  EXPECT_EQ(Name("a\r\nb"), (Bytes{0xBA, 0xBB}));
}

TEST_F(EncoderTest, EmptyTextGivesTheLowestEmptyEntry) {
  using Result = std::variant<Bytes, std::string>;
  EXPECT_EQ(Dialog(""), Result(Bytes{0xFF}));
  EXPECT_EQ(Name(""), Bytes{});
  h.SetCode(0x30, "");
  EXPECT_EQ(Dialog(""), Result(Bytes{0x30}));
  h.SetCode(0x30, "{30}");
  h.SetCode(0xFF, "{FF}");
  EXPECT_EQ(Dialog(""), Result(std::string()));  // no empty entry: stops with no character
}

TEST_F(EncoderTest, AMatchAtTheEndMovesPastTheEndByTheFullLength) {
  const Encoder e = Make();
  ASSERT_EQ(h.doc.MaxEintragLaenge[1], 5);  // "Lirae", "Orrin", "Clone", "Skiff"
  const CodeMatch m = e.NaechsterCode("ab", 1);
  EXPECT_EQ(m.code, 0xBB);
  EXPECT_EQ(m.next, 6);
  EXPECT_EQ(e.NaechsterCode("ab", 0).next, 1);
  const CodeMatch past = e.NaechsterCode("ab", 2);  // past the end: the empty piece
  EXPECT_EQ(past.code, 0xFF);
  EXPECT_EQ(past.next, 7);
}

TEST_F(EncoderTest, ExcludedCodesAreNeverProduced) {
  h.SetCode(0x21, "ab");
  h.SetCode(0x22, "c");
  std::bitset<kCodes> excluded;
  excluded.set(0x21);
  excluded.set(0x22);
  const Encoder e(h.doc.Kodiertabelle, h.doc.MaxEintragLaenge[1], excluded);
  Bytes b;
  e.KodiereText("abc", b);
  EXPECT_EQ(b, (Bytes{0xBA, 0xBB, 0xBC}));
  EXPECT_EQ(e.SucheCode("ab"), -1);
  EXPECT_EQ(e.EinzelCode('c'), 0xBC);
}

TEST(BerechneMaxLaengen, LongestTextOfEachColumnAsAByte) {
  Document doc;
  doc.Tabelle[1][0x40] = "abc";
  doc.Tabelle[2][0x41] = "abcdefg";
  BerechneMaxLaengen(doc);
  EXPECT_EQ(doc.MaxEintragLaenge[1], 3);
  EXPECT_EQ(doc.MaxEintragLaenge[2], 7);
  doc.Tabelle[1][0x40] = std::string(300, 'x');
  BerechneMaxLaengen(doc);
  EXPECT_EQ(doc.MaxEintragLaenge[1], 255);
}

// Random tables over a small alphabet make duplicates, prefixes, empty and long entries common.
TEST(EncoderRandomized, MatchesThePlainReadingOfTheRule) {
  std::mt19937 rng(20261206);
  const std::string alphabet = "abAB{}0f[]. ";
  auto randomText = [&](size_t maxLength) {
    std::string s(std::uniform_int_distribution<size_t>(0, maxLength)(rng), ' ');
    for (char& c : s) c = alphabet[std::uniform_int_distribution<size_t>(0, alphabet.size() - 1)(rng)];
    return s;
  };
  for (int round = 0; round < 150; ++round) {
    CodeTable table{};
    for (auto& entry : table) {
      const int kind = std::uniform_int_distribution<int>(0, 9)(rng);
      entry = kind == 0 ? std::string() : kind < 4 ? randomText(1) : kind < 9 ? randomText(4) : randomText(14);
    }
    if (round % 3 == 0) table[static_cast<size_t>(round % 256)] = table[255 - static_cast<size_t>(round % 256)];
    size_t longest = 0;
    for (const auto& entry : table) longest = std::max(longest, entry.size());
    // Mostly the table's own longest length; sometimes shorter, so long entries are never tried.
    const int32_t maxLength = round % 5 == 0 ? static_cast<int32_t>(longest / 2) : static_cast<int32_t>(longest);
    const Encoder encoder(table, maxLength);
    for (int t = 0; t < 40; ++t) {
      const std::string text = randomText(30);
      for (int32_t k = 0; k <= static_cast<int32_t>(text.size()) + 1; ++k) {
        CodeMatch want, got;
        bool wantThrows = false, gotThrows = false;
        try { want = LinearNaechsterCode(table, maxLength, text, k); } catch (const RunError&) { wantThrows = true; }
        try { got = encoder.NaechsterCode(text, k); } catch (const RunError&) { gotThrows = true; }
        ASSERT_EQ(gotThrows, wantThrows) << text << " at " << k;
        if (wantThrows) continue;
        ASSERT_EQ(got.code, want.code) << text << " at " << k;
        ASSERT_EQ(got.next, want.next) << text << " at " << k;
        ASSERT_EQ(got.piece, want.piece) << text << " at " << k;
      }
      Bytes want, got;
      bool wantThrows = false, gotThrows = false;
      try { LinearKodiereText(table, maxLength, text, want); } catch (const RunError&) { wantThrows = true; }
      try { encoder.KodiereText(text, got); } catch (const RunError&) { gotThrows = true; }
      ASSERT_EQ(gotThrows, wantThrows) << text;
      ASSERT_EQ(got, want) << text;
      const std::string probe = randomText(5);
      ASSERT_EQ(encoder.SucheCode(probe), SucheEintrag(table, probe)) << probe;
    }
    for (char c : alphabet) ASSERT_EQ(encoder.EinzelCode(c), SucheEintrag(table, std::string(1, c)));
  }
}

}  // namespace
}  // namespace orvane
