// The text search over working or original texts with its snippets, and "Replace all" with its count.
#include <gtest/gtest.h>

#include <random>

#include "editors/text_search.h"

namespace orvane {
namespace {

TEST(TextSearch, HitsAndSnippetsByCaseAndTextsSearched) {
  Document doc;
  doc.BankInfo[1].TextCount = 2, doc.BankInfo[3].TextCount = 12, doc.BankInfo[21].TextCount = 1;
  doc.Texte[1][1] = {"kael", "Kael"}, doc.Texte[1][3] = {"Kael", "Kael"};  // text 3: past the bank's count
  doc.Texte[3][12] = {"Hello Kael[L_]and KAEL again", "old"}, doc.Texte[21][1] = {"\xC4rger \xE4rger", "x"};
  doc.BankInfo[0].TextCount = 1, doc.Texte[0][1] = doc.Texte[3][0] = {"Kael", "Kael"};  // bank 0, text 0: never searched
  for (const auto& [pattern, options, expected] : std::initializer_list<std::tuple<const char*, SearchOptions, std::string>>{
           {"Kael", {}, "3/12@6 Hello <Kael>[L_]an...|"},
           {"kael", {false}, "1/1@0 <kael>|3/12@6 Hello <Kael>[L_]an...|"},
           {"Kael", {true, true}, "1/1@0 <Kael>|"},
           {"again", {}, "3/12@23 ... KAEL <again>|"},
           {"\xE4rger", {false}, "21/1@6 \xC4rger <\xE4rger>|"},  // only ASCII letters fold
           {"", {false}, ""}}) {
    std::string found;
    for (const TextHit& hit : SucheTexte(doc, pattern, options)) {
      const Snippet s = HitSnippet(doc, hit, std::string_view(pattern).size(), options, 6);
      found += std::to_string(hit.bank) + "/" + std::to_string(hit.text) + "@" + std::to_string(hit.at) + " " +
               s.before + "<" + s.match + ">" + s.after + "|";
    }
    EXPECT_EQ(found, expected) << pattern;
  }
  EXPECT_EQ(CountInWorkingTexts(doc, "kael", false) * 10 + CountInWorkingTexts(doc, "rger", true), 32);
  EXPECT_EQ(ReplaceAll(doc, "AEL", "x", false), 3);
  EXPECT_EQ(doc.Texte[3][12].Aktuell + doc.Texte[0][1].Aktuell + doc.Texte[3][0].Aktuell, "Hello Kx[L_]and Kx againKaelKael");
}

// Random texts: the count is what is replaced, non-overlapping ("aa" in "aaa" once), and replacing
// by a letter the texts lack, then back, restores every text.
TEST(TextSearch, ReplaceAllCountsWhatItReplacesAndReplacingBackRestores) {
  std::mt19937 random(13);
  for (int round = 0; round < 20; ++round) {
    Document doc;
    doc.BankInfo[2].TextCount = 20;
    for (int t = 1; t <= 20; ++t, doc.Texte[2][t - 1].Aktuell = doc.Texte[2][t - 1].Original)
      for (int i = static_cast<int>(random() % 30); i > 0; --i) doc.Texte[2][t].Original += "aAb"[random() % 3];
    const std::string pattern = round % 2 ? "aa" : "Ab";
    const int32_t count = CountInWorkingTexts(doc, pattern, true);
    ASSERT_GE(CountInWorkingTexts(doc, pattern, false), count);
    ASSERT_EQ(ReplaceAll(doc, pattern, "#", true) + ReplaceAll(doc, "zz", "", true), count);
    ASSERT_EQ(ReplaceAll(doc, "#", pattern, true), count);
    for (int t = 1; t <= 20; ++t) EXPECT_EQ(doc.Texte[2][t].Aktuell, doc.Texte[2][t].Original);
    EXPECT_EQ(doc.Geaendert, count > 0);
  }
}

}  // namespace
}  // namespace orvane
