// Consistent translations: the similarity score and its bit-parallel distance against the plain
// table, the lookup against a brute-force reading over the demo, repeated lines filled and taken
// back, the glossary's term rule, and its CSV form.
#include <gtest/gtest.h>

#include <random>

#include "common/csv.h"
#include "common/edit_distance.h"
#include "demo/demo_rom.h"
#include "check/glossary_terms.h"
#include "progress/glossary_csv.h"
#include "progress/repeat_fill.h"
#include "progress/similar_texts.h"
#include "progress/translation_progress.h"

namespace orvane {
namespace {

using enum TextStatus;

// The textbook dynamic-programming distance.
int PlainDistance(std::string_view a, std::string_view b) {
  std::vector<int> row(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) row[j] = static_cast<int>(j);
  for (size_t i = 1; i <= a.size(); ++i) {
    int diagonal = row[0];
    row[0] = static_cast<int>(i);
    for (size_t j = 1; j <= b.size(); ++j) {
      const int up = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
      diagonal = up;
    }
  }
  return row[b.size()];
}

TEST(Similarity, HandWorkedPairs) {
  const struct { const char* a; const char* b; double score; } rows[] = {
      {"Yes.", "Yes.", 1.0}, {"", "", 1.0}, {"", "Hi", 0.0}, {"Take it.", "Make it.", 0.875},
      {"Go{0A}now", "Go now", 1 - 4.0 / 9}, {"abc", "xyz", 0.0}, {"Kael waits", "Kael waits here", 1 - 5.0 / 15}};
  for (const auto& row : rows) EXPECT_DOUBLE_EQ(Similarity(row.a, row.b), row.score) << row.a << " / " << row.b;
}

TEST(Similarity, BitParallelDistanceAgreesWithThePlainTable) {
  std::mt19937 random(7);
  const auto text = [&random](size_t most) {
    std::string s(std::uniform_int_distribution<size_t>(0, most)(random), ' ');
    for (char& c : s) c = "abc{0A} \xE9"[random() % 8];
    return s;
  };
  for (int round = 0; round < 3000; ++round) {
    const std::string a = text(round % 3 ? 70 : 200), b = text(round % 3 ? 70 : 200);
    const int bound = static_cast<int>(random() % 80), plain = PlainDistance(a, b);
    EXPECT_EQ(BoundedDistance(a).within(b, bound), plain <= bound ? std::optional(plain) : std::nullopt)
        << a << " / " << b << " within " << bound;
  }
}

Document Demo() {
  Document doc;
  demo::MakeDemoDocument(doc);
  StartProgress(doc);
  return doc;
}

// Every translated text scored the plain way, each original once, sorted and cut.
std::vector<std::tuple<double, int, int>> BruteForce(const Document& doc, int bank, int text, double least, size_t most) {
  std::map<std::string, std::tuple<TextStatus, int, int>> best;  // by original: the best status, then the first place
  for (const TextPlace& p : DialoguePlaces(doc)) {
    const TextPaar& pair = doc.Texte[p.bank][p.index];
    if ((p.bank == bank && p.index == text) || pair.Aktuell == pair.Original) continue;
    const auto candidate = std::tuple(ProgressOf(doc, p.bank, p.index).status, p.bank, p.index);
    auto [at, added] = best.emplace(pair.Original, candidate);
    if (std::get<0>(candidate) > std::get<0>(at->second)) at->second = candidate;
  }
  std::vector<std::tuple<double, int, int>> found;
  const std::string& shown = doc.Texte[bank][text].Original;
  for (const auto& [original, place] : best) {
    const double score = 1 - double(PlainDistance(shown, original)) / std::max<size_t>({shown.size(), original.size(), 1});
    if (score >= least) found.emplace_back(-score, std::get<1>(place), std::get<2>(place));
  }
  std::sort(found.begin(), found.end());
  found.resize(std::min(found.size(), most));
  for (auto& row : found) std::get<0>(row) = -std::get<0>(row);
  return found;
}

// A third of the demo translated with mixed statuses, then texts all over it looked up.
TEST(SimilarTexts, LookupAgreesWithTheBruteForceReading) {
  Document doc = Demo();
  std::mt19937 random(3);
  for (const TextPlace& p : DialoguePlaces(doc)) {
    if (random() % 3) continue;
    doc.Texte[p.bank][p.index].Aktuell = "T" + std::to_string(p.index);
    ProgressOf(doc, p.bank, p.index).status = TextStatus(1 + random() % 3);
  }
  const SimilarTexts index(doc);
  const std::vector<TextPlace> places = DialoguePlaces(doc);
  for (size_t i = 0; i < places.size(); i += 97) {
    for (const auto& [least, most] : {std::pair(0.70, size_t{3}), {0.5, size_t{6}}}) {
      std::vector<std::tuple<double, int, int>> found;
      for (const SimilarText& s : index.find(doc, places[i].bank, places[i].index, least, most))
        found.emplace_back(s.score, s.place.bank, s.place.index);
      EXPECT_EQ(found, BruteForce(doc, places[i].bank, places[i].index, least, most)) << PlaceName(places[i]);
    }
  }
}

// "Yes." three times (once only drafted, once reviewed), two texts 0.75 alike and one below the cut.
TEST(SimilarTexts, CutOrderAndEachOriginalOnce) {
  Document doc;
  doc.BankInfo[1].TextCount = 7;
  const std::pair<const char*, const char*> texts[] = {{"Ja.", "Yes."}, {"Yes.", "Yes."}, {"Jawohl.", "Yes."}, {"Ja!", "Yes."},
                                                        {"Ja?", "Yea."}, {"Nein.", "No."}, {"Ja!", "Yes!"}};
  for (int t = 1; t <= 7; ++t) doc.Texte[1][t] = {texts[t - 1].first, texts[t - 1].second};
  StartProgress(doc);
  ProgressOf(doc, 1, 4).status = Reviewed;
  std::vector<std::pair<double, int>> found;
  for (const SimilarText& s : SimilarTexts(doc).find(doc, 1, 2)) found.emplace_back(s.score, s.place.index);
  EXPECT_EQ(found, (std::vector<std::pair<double, int>>{{1.0, 4}, {0.75, 5}, {0.75, 7}}));
}

TEST(SimilarTexts, MarksTheWordsThatDiffer) {
  const std::string other = "Clerk: There is a hole in the wall again.";
  std::string marked;
  for (const auto& [start, end] : DifferingWords("There is a hole in the roof again.", other))
    marked += other.substr(start, end - start) + "|";
  EXPECT_EQ(marked, "Clerk:|wall|");
}

// Bank 1: "Yes." untranslated, drafted, reviewed and translated, "No." untranslated, "Hm." alone;
// bank 2: "Yes." untranslated, "No." translated.
TEST(RepeatFill, EachGroupFromItsBestTextAndTakenBackWhole) {
  Document doc;
  doc.BankInfo[1].TextCount = 6;
  doc.BankInfo[2].TextCount = 2;
  const std::pair<const char*, const char*> texts[] = {{"Yes.", "Yes."}, {"Ja?", "Yes."}, {"Ja.", "Yes."},
                                                        {"Jawohl.", "Yes."}, {"No.", "No."}, {"Hm.", "Hm."}};
  for (int t = 1; t <= 6; ++t) doc.Texte[1][t] = {texts[t - 1].first, texts[t - 1].second};
  doc.Texte[2][1] = {"Yes.", "Yes."};
  doc.Texte[2][2] = {"Nein.", "No."};
  StartProgress(doc);
  ProgressOf(doc, 1, 3).status = Reviewed;
  ProgressOf(doc, 1, 4).status = Translated;
  ProgressOf(doc, 2, 2).status = Translated;
  const auto rows = [](const DocumentChange& change) {
    std::vector<std::tuple<std::string, std::string, std::string, TextStatus, TextStatus>> all;
    for (size_t i = 0; i < change.texts().size(); ++i) {
      const auto& text = change.texts()[i];
      all.emplace_back(PlaceName(text.place), text.before, text.after, change.progress()[i].before.status,
                       change.progress()[i].after.status);
    }
    return all;
  };
  using Row = std::tuple<std::string, std::string, std::string, TextStatus, TextStatus>;
  EXPECT_EQ(rows(FillAllRepeats(doc)), (std::vector<Row>{{"bank 1 text 1", "Yes.", "Ja.", Untranslated, Draft},
                                                         {"bank 2 text 1", "Yes.", "Ja.", Untranslated, Draft},
                                                         {"bank 1 text 5", "No.", "Nein.", Untranslated, Draft}}));
  const DocumentChange shown = FillRepeatsOf(doc, 1, 4);
  EXPECT_EQ(rows(shown), (std::vector<Row>{{"bank 1 text 1", "Yes.", "Jawohl.", Untranslated, Draft},
                                           {"bank 2 text 1", "Yes.", "Jawohl.", Untranslated, Draft}}));
  const Document before = doc;
  shown.apply(doc);
  EXPECT_EQ(std::tuple(doc.Texte[2][1].Aktuell, ProgressOf(doc, 2, 1).status), std::tuple("Jawohl.", Draft));
  EXPECT_TRUE(FillRepeatsOf(doc, 1, 4).empty());
  doc.Texte[1][1].Aktuell = "Jawohl!";  // edited after the fill: taking the fill back keeps the edit
  TakeBackFill(doc, shown).apply(doc);
  EXPECT_EQ(doc.Texte[1][1].Aktuell, "Jawohl!");
  doc.Texte[1][1].Aktuell = "Yes.";
  ProgressOf(doc, 1, 1).status = Untranslated;
  const auto state = [](const Document& d) {
    std::vector<std::pair<std::string, TextStatus>> all;
    for (const TextPlace& p : DialoguePlaces(d)) all.emplace_back(WorkingText(d, p), ProgressOf(d, p.bank, p.index).status);
    return all;
  };
  EXPECT_EQ(state(doc), state(before));
}

TEST(Glossary, TermsAreWholeWordsOfAnyCase) {
  const std::vector<GlossaryTerm> glossary = {{"Royal Guard", "K\xF6nigsgarde", ""}, {"Kael", "Kael", ""}, {"orb", "Kugel", ""}};
  const struct { const char* original; const char* terms; } rows[] = {
      {"The royal guard waits.", "Royal Guard"}, {"KAEL, the Royal Guardsman", "Kael"},
      {"Ask Kael about the Orb.", "Kael orb"}, {"Sorbet and royal  guard", ""}};
  for (const auto& row : rows) {
    std::string found;
    for (const GlossaryTerm& term : TermsIn(glossary, row.original)) found += (found.empty() ? "" : " ") + term.source;
    EXPECT_EQ(found, row.terms) << row.original;
  }
  Document doc;
  doc.BankInfo[1].TextCount = 4;
  doc.Texte[1][1] = {"Die k\xD6nigsgarde wartet.", "The Royal Guard waits."};  // the target in another case
  doc.Texte[1][2] = {"Die Wache wartet.", "The Royal Guard waits."};
  doc.Texte[1][3] = {"The Royal Guard.", "The Royal Guard."};                  // untranslated
  doc.Texte[1][4] = {"Hier, Kugel und Wache.", "Kael: the orb, the royal guard."};
  std::vector<std::string> unused;
  for (const UnusedTerm& u : FindUnusedTerms(doc, glossary)) unused.push_back(PlaceName(u.text) + " " + u.term.source);
  EXPECT_EQ(unused, (std::vector<std::string>{"bank 1 text 2 Royal Guard", "bank 1 text 4 Royal Guard",
                                              "bank 1 text 4 Kael"}));
}

TEST(GlossaryCsv, QuotesCommasAndLineBreaksRoundTrip) {
  const std::vector<GlossaryTerm> terms = {{"Royal Guard", "K\xF6nigsgarde", "say \"the\", not \"a\"\r\nnever plural"},
                                           {"a,b", "", ""}, {"\"", "\xE9", "x"}};
  const std::string csv = GlossaryCsv(terms);
  EXPECT_EQ(csv.substr(0, csv.find('\n', 21) + 1),
            "source,target,note\r\nRoyal Guard,K\xC3\xB6nigsgarde,\"say \"\"the\"\", not \"\"a\"\"\r\n");
  EXPECT_EQ(GlossaryFromCsv(csv), terms);
  // A byte order mark, lone LF line ends, a blank line and a record without its note are read too.
  EXPECT_EQ(GlossaryFromCsv("\xEF\xBB\xBFsource,target,note\nOrb,Kugel\n\n\"x\ny\",z,\n"),
            (std::vector<GlossaryTerm>{{"Orb", "Kugel", ""}, {"x\ny", "z", ""}}));
  const struct { const char* text; const char* reason; } refused[] = {
      {"source,target\r\n", "line 1: the first line must be \"source,target,note\""},
      {"source,target,note\r\nA,\"B\r\n\r\n", "line 2: a quoted field is never closed"},
      {"source,target,note\r\nA,B\"C\",\r\n", "line 2: a quote inside a field that does not start with one"},
      {"source,target,note\r\n\"A\"x,B\r\n", "line 2: a quoted field is followed by more than a comma or the end of the line"},
      {"source,target,note\r\nA,B,C,D\r\n", "line 2: 4 fields instead of source, target and note"},
      {"source,target,note\r\n,B,C\r\n", "line 2: the source term is empty"},
      {"source,target,note\r\nA,\xE2\x86\x92,C\r\n", "line 2: \"\xE2\x86\x92\" is not in the game's character set"},
      {"source,target,note\r\nA,\xFF\r\n", "it is not UTF-8 text"}};
  for (const auto& row : refused) {
    std::string reason;
    try {
      GlossaryFromCsv(row.text);
    } catch (const std::runtime_error& error) {
      reason = error.what();
    }
    EXPECT_EQ(reason, row.reason);
  }
}

}  // namespace
}  // namespace orvane
