// The encoder: the longest-match rule with its ties, the end of the text and the brace escapes, in the
// name form and the dialogue form, and the indexed encoder against the plain reading of the rule.

#include <gtest/gtest.h>

#include <random>

#include "support/linear_encoder.h"
#include "support/write_harness.h"

namespace orvane {
namespace {

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

// Random tables over a small alphabet make duplicates, prefixes, empty and long entries common; some
// codes are excluded, which the plain reading sees as entries no text holds.
TEST(Encoder, IndexedEncoderEqualsThePlainReadingOfTheRule) {
  std::mt19937 rng(20261206);
  const std::string alphabet = "abAB{}0f[]. ";
  auto randomText = [&](size_t maxLength) {
    std::string s(rng() % (maxLength + 1), ' ');
    for (char& c : s) c = alphabet[rng() % alphabet.size()];
    return s;
  };
  // The result, or nothing when it threw (a brace group that is no number).
  auto outcome = [](auto&& run) -> std::optional<decltype(run())> {
    try { return run(); } catch (const RunError&) { return std::nullopt; }
  };
  for (int round = 0; round < 150; ++round) {
    CodeTable table{}, plain{};
    for (auto& entry : table) entry = rng() % 10 == 0 ? "" : randomText(rng() % 10 < 4 ? 1 : rng() % 8 ? 4 : 14);
    if (round % 3 == 0) table[round % 256] = table[255 - round % 256];
    std::bitset<kCodes> excluded;
    for (size_t c = 0; c < kCodes; ++c) plain[c] = (excluded[c] = rng() % 16 == 0) ? "\x01" : table[c];
    size_t longest = 0;
    for (const auto& entry : table) longest = std::max(longest, entry.size());
    // Mostly the table's own longest length; sometimes less, so that long entries are never tried.
    const auto maxLength = static_cast<int32_t>(round % 5 == 0 ? longest / 2 : longest);
    const Encoder encoder(table, maxLength, excluded);
    for (int t = 0; t < 40; ++t) {
      const std::string text = randomText(30);
      for (int32_t k = 0; k <= static_cast<int32_t>(text.size()) + 1; ++k) {
        auto key = [](const CodeMatch& m) { return std::tuple(m.code, m.next, std::string(m.piece)); };
        ASSERT_EQ(outcome([&] { return key(encoder.NaechsterCode(text, k)); }),
                  outcome([&] { return key(testing::LinearNaechsterCode(plain, maxLength, text, k)); }))
            << text << " at " << k;
      }
      Bytes got, want;
      ASSERT_EQ(outcome([&] { return (encoder.KodiereText(text, got), got); }),
                outcome([&] { return (testing::LinearKodiereText(plain, maxLength, text, want), want); }))
          << text;
      const std::string probe = randomText(5);
      ASSERT_EQ(encoder.SucheCode(probe), SucheEintrag(plain, probe)) << probe;
    }
    for (char c : alphabet) ASSERT_EQ(encoder.EinzelCode(c), SucheEintrag(plain, std::string(1, c)));
  }
}

}  // namespace
}  // namespace orvane
