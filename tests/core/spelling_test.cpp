// Spelling: words are split around codes and escapes; a tiny dictionary made here, in UTF-8 and in
// ISO 8859-1, checks them with the names and the word list accepted and suggestions offered.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/file_helpers.h"
#include "rom/code_table.h"
#include "spelling/spelling_scan.h"
#include "support/rom_fixture.h"

namespace orvane {
namespace {

TEST(Spelling, WordsStandBetweenCodesAndEscapes) {
  const std::string text = "Don't[L_]go'{1A}4th caf\xE9s{AB}\x8Avon\x92t [LS]\"quoted' x-y{Ag}[Wy";
  std::string words;
  for (const WordSpan& span : SplitWords(text)) words += text.substr(span.start, span.length) + "|";
  EXPECT_EQ(words, "Don't|go|caf\xE9s|\x8Avon\x92t|quoted|x|y|Ag|Wy|");
  std::string odd;  // the letters below 0xC0 and the signs from there on
  for (int c = 0x80; c <= 0xFF; ++c) odd += (c < 0xC0) == IsWordLetter(c) ? std::string(1, char(c)) : "";
  EXPECT_EQ(odd, "\x83\x8A\x8C\x8E\x9A\x9C\x9E\x9F\xAA\xB5\xBA\xD7\xF7");
}

TEST(Spelling, TinyDictionariesInEitherEncoding) {
  testing::TempFolder folder;
  for (const std::string set : {"UTF-8", "ISO8859-1"}) {
    const std::string e = set == "UTF-8" ? "\xC3\xA9" : "\xE9";
    WriteFileAtomically(folder.file("xx_XX.aff"), "SET " + set + "\nTRY eomhctafgs\n");
    WriteFileAtomically(folder.file("xx_XX.dic"), "4\nthe\ncaf" + e + "\ngo\nhome\n");
    WriteFileAtomically(folder.file("yy_YY.dic"), std::string("1\nhe\n"));  // no .aff: no language
    EXPECT_EQ(InstalledLanguages({folder.path()}), std::vector<std::string>{"xx_XX"});
    const auto checker = OpenSpellChecker("xx_XX", {folder.path()});

    Document doc;
    for (int code = 0x13; code <= 0x20; ++code) doc.Tabelle[1][code] = BuiltInText(code);  // the characters
    doc.Items[1].Name = "Ash Staff";
    doc.Progress.words = {"Zzz"};
    doc.Texte[1][1].Aktuell = "Kael: the caf\xE9[L_]go hme{1A}xyz Kaels Kael's Zzz 4th Ash zzz \x8Ahe Lirae Pell Tock "
                              "Wend Zuri Orrin Clone Skiff";
    doc.ItemInfos[3] = "Go hme.";
    doc.Texte[2][1].Aktuell = "hme";
    SpellingScan scan(doc, *checker);
    std::string found;
    for (const Misspelling& miss : scan.run(doc)) found += PlaceName(miss.place) + ":" + miss.word + ";";
    EXPECT_EQ(found, "bank 1 text 1:hme;bank 1 text 1:xyz;bank 1 text 1:Kaels;bank 1 text 1:zzz;bank 1 text 1:\x8Ahe;"
                     "bank 2 text 1:hme;item 2 description:hme;") << set;
    EXPECT_EQ(checker->suggestions("hme", 3), std::vector<std::string>{"home"}) << set;
    EXPECT_EQ(checker->suggestions("cafe", 3), std::vector<std::string>{"caf\xE9"}) << set;
    // A dictionary that knows almost none of the words asked about is doubted.
    EXPECT_FALSE(checker->doubt()) << set;
    for (int i = 0; i < 50; ++i) checker->correct("qq" + std::to_string(i));
    EXPECT_EQ(checker->doubt(), "the dictionary knows only 4 of the 59 words it was asked about: is it the texts' "
                                "language?") << set;
  }
  WriteFileAtomically(folder.file("xx_XX.aff"), std::string("SET NO-SUCH-CODE\n"));
  const auto why = [&folder](const char* language) {
    try {
      OpenSpellChecker(language, {folder.path()});
    } catch (const SpellingUnavailable& missing) { return std::string(missing.what()); }
    return std::string("opened");
  };
  EXPECT_EQ(why("xx_XX"), "the dictionary's encoding NO-SUCH-CODE is not supported");
  // A language is a name looked up in the folders, never a path; a dictionary file has a size bound.
  for (const char* name : {"../xx_XX", "xx_XX.aff", ""})
    EXPECT_EQ(why(name), "\"" + std::string(name) + "\" is no language name (letters, digits, \"_\" and \"-\", as in en_US)");
  WriteFileAtomically(folder.file("zz-ZZ.aff"), std::string("SET UTF-8\n"));
  WriteFileAtomically(folder.file("zz-ZZ.dic"), std::string("1\nthe\n"));
  std::filesystem::resize_file(folder.file("zz-ZZ.dic"), kLargestDictionary + 1);
  EXPECT_EQ(why("zz-ZZ"), folder.file("zz-ZZ.dic") + " is larger than 32 MiB (33554433 bytes)");
  EXPECT_EQ(why("de_CH"), "no spelling dictionary for de_CH (looked in " + folder.path() +
                              "; on Debian the package hunspell-de-ch has it)");
  // $DICPATH comes first, its empty parts left out.
  setenv("DICPATH", "/a:/bc::/d", 1);
  const std::vector<std::string> folders = DictionaryFolders();
  unsetenv("DICPATH");
  EXPECT_EQ(std::vector<std::string>(folders.begin(), folders.begin() + 3), (std::vector<std::string>{"/a", "/bc", "/d"}));
}

}  // namespace
}  // namespace orvane
