// Spelling: words are split around codes and escapes; a tiny dictionary made here, in UTF-8 and in
// ISO 8859-1, checks them with the names and the word list accepted and suggestions offered.
#include <gtest/gtest.h>

#include "common/file_helpers.h"
#include "spelling/spelling_scan.h"
#include "support/rom_fixture.h"

namespace orvane {
namespace {

std::string Words(std::string_view text, const std::vector<WordSpan>& spans) {
  std::string joined;
  for (const WordSpan& span : spans) joined += std::string(text.substr(span.start, span.length)) + "|";
  return joined;
}

TEST(Spelling, WordsStandBetweenCodesAndEscapes) {
  const std::string text = "Don't[L_]go'{1A}4th caf\xE9s{AB}\x8Avon\x92t [LS]\"quoted' x-y[W";
  EXPECT_EQ(Words(text, SplitWords(text)), "Don't|go|caf\xE9s|\x8Avon\x92t|quoted|x|y|W|");
}

TEST(Spelling, TinyDictionariesInEitherEncoding) {
  testing::TempFolder folder;
  for (const std::string set : {"UTF-8", "ISO8859-1"}) {
    const std::string e = set == "UTF-8" ? "\xC3\xA9" : "\xE9";
    WriteFileAtomically(folder.file("xx_XX.aff"), "SET " + set + "\nTRY eomhctafgs\n");
    WriteFileAtomically(folder.file("xx_XX.dic"), "4\nthe\ncaf" + e + "\ngo\nhome\n");
    EXPECT_EQ(InstalledLanguages({folder.path()}), std::vector<std::string>{"xx_XX"});
    const auto checker = OpenSpellChecker("xx_XX", {folder.path()});

    Document doc;
    doc.Tabelle[1][0x13] = "Kael";
    doc.Items[1].Name = "Ash Staff";
    doc.Progress.words = {"Zzz"};
    doc.Texte[1][1].Aktuell = "Kael: the caf\xE9[L_]go hme{1A}xyz Kaels Kael's Zzz 4th Ash zzz";
    doc.ItemInfos[3] = "Go hme.";
    doc.Texte[2][1].Aktuell = "hme";
    SpellingScan scan(doc, *checker);
    std::string found;
    for (const Misspelling& miss : scan.run(doc)) found += PlaceName(miss.place) + ":" + miss.word + ";";
    EXPECT_EQ(found, "bank 1 text 1:hme;bank 1 text 1:xyz;bank 1 text 1:Kaels;bank 1 text 1:zzz;bank 2 text 1:hme;"
                     "item 2 description:hme;") << set;
    EXPECT_EQ(scan.run(doc, 2).size(), 1u);
    EXPECT_EQ(checker->suggestions("hme", 3), std::vector<std::string>{"home"}) << set;
    EXPECT_EQ(checker->suggestions("cafe", 3), std::vector<std::string>{"caf\xE9"}) << set;
  }
  WriteFileAtomically(folder.file("xx_XX.aff"), std::string("SET NO-SUCH-CODE\n"));
  EXPECT_THROW(OpenSpellChecker("xx_XX", {folder.path()}), SpellingUnavailable);
  try {
    OpenSpellChecker("de_CH", {folder.path()});
    ADD_FAILURE();
  } catch (const SpellingUnavailable& missing) {
    EXPECT_EQ(std::string(missing.what()), "no spelling dictionary for de_CH (looked in " + folder.path() +
                                               "; on Debian the package hunspell-de-ch has it)");
  }
}

}  // namespace
}  // namespace orvane
