// The dictionary optimizers: the frequency pick (window run and automatic run) against its plain reading,
// the smallest-dictionary mode against the greedy rule, the falling threshold, the excluded candidates,
// the 512-byte budget and the window run's options.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "compression/dialogue_runs.h"
#include "compression/dictionary_budget.h"
#include "compression/optimizer.h"
#include "compression/optimizer_options.h"
#include "compression/packed_counts.h"
#include "compression/parsed_runs.h"
#include "compression/smallest_dictionary.h"
#include "compression/threshold_selection.h"
#include "demo/demo_document.h"
#include "rom/code_table.h"
#include "support/linear_encoder.h"
#include "support/scripted_prompter.h"
#include "support/write_harness.h"

namespace orvane {
namespace {

// The frequency optimizer's last steps: the falling threshold against its literal reading, and the
// exclusion of candidates that would break the notation.
// The selection read literally: one walk over the list per pass, no shortcut; `t` is where T ends.
std::vector<int32_t> PlainSelection(std::vector<int32_t> h, int32_t limit, int32_t& t) {
  std::vector<int32_t> picked;
  t = std::max<int32_t>(0, h.empty() ? 0 : *std::max_element(h.begin(), h.end()));
  for (;;) {
    for (size_t c = 0; c < h.size(); ++c) {
      if (h[c] >= t) {
        picked.push_back(static_cast<int32_t>(c));
        h[c] = -1;
        --t;
      }
      if (static_cast<int32_t>(picked.size()) >= limit || t <= 10) return picked;
    }
    if (--t < 1) return picked;
  }
}

// The cases of the rule (97 before 99; a last pass at T 10 that looks at one candidate; a maximum of
// 10 or less; no candidate; a maximum of 0; everything excluded; the pick limit), then random counts.
TEST(ThresholdSelection, FallingThresholdEqualsTheLiteralPasses) {
  auto literal = [](const std::vector<int32_t>& counts, int32_t limit) {
    int32_t t = 0;
    const std::vector<int32_t> plain = PlainSelection(counts, limit, t);
    const Selection fast = SelectByThreshold(counts, limit, [] { return true; });
    EXPECT_EQ(std::tie(fast.picked, fast.threshold), std::tie(plain, t));
    return fast.picked;
  };
  for (const auto& [counts, picks] : std::vector<std::pair<std::vector<int32_t>, std::vector<int32_t>>>{
           {{100, 100, 100, 97, 99}, {0, 1, 2, 3, 4}}, {{50, -1, 80, 79, 12}, {2, 3, 0, 4}}, {{7, 5, 7}, {0}},
           {{5, 7, 7}, {}}, {{}, {}}, {{0, -1, 0}, {0}}, {{-1, -1}, {}}})
    EXPECT_EQ(literal(counts, 127), picks);
  EXPECT_EQ(literal(std::vector<int32_t>(300, 1000), 3).size(), 3u);
  std::mt19937 random(11);
  for (int round = 0; round < 300; ++round) {
    std::vector<int32_t> counts(random() % 60);
    const auto top = static_cast<int32_t>(random() % 3000);
    for (auto& c : counts) c = static_cast<int32_t>(random() % (top + 2)) - 1;
    literal(counts, static_cast<int32_t>(1 + random() % 40));
  }
  int passes = 0;  // asked before every pass: 40 needs the tenth (T = 40)
  const Selection stopped = SelectByThreshold({50, 40, 30}, 127, [&] { return ++passes <= 9; });
  EXPECT_EQ(std::tuple(stopped.stopped, passes, stopped.picked), std::tuple(true, 10, std::vector<int32_t>{0}));
}

TEST(CandidateExclusion, DropsWhatWouldBreakTheNotation) {
  for (const char* bad : {"a", "", "  ", "[L", "S]", "{1", "A}", "e.", ",x", "!!", "?a", "LS", "L_", "W_", "WS"})
    EXPECT_TRUE(IsExcludedCandidate(bad)) << bad;
  for (const char* good : {"th", "e ", " t", "1A", "ls", "Ws", "S_", "'s"}) EXPECT_FALSE(IsExcludedCandidate(good));
}

// The dictionary's 512-byte budget and its labels, the codes the dictionary list reads and stores, and
// the optimizer options the window run takes.
// Every entry costs its length and a length byte, empty ones too; exactly 512 bytes is within the budget.
// A list shorter than 127 lines stores empty entries for the rest; codes 32 and 160 are no entries.
TEST(DictionaryBudget, EntriesCostTheirLengthAndALengthByteInCodes33To159) {
  Document doc;
  doc.Tabelle[1][32] = doc.Tabelle[1][160] = "keep";
  SaveDictionary(doc, std::vector<std::string>{std::string(384, 'x'), "y"}).apply(doc);
  const std::vector<std::string> entries = ReadDictionary(doc);
  EXPECT_EQ(std::tuple(entries.size(), entries[1], entries[126]), std::tuple(127u, "y", ""));
  EXPECT_EQ(std::tuple(UsedMemory(entries), OverBudget(512), OverBudget(513)), std::tuple(512, false, true));
  EXPECT_EQ(UsedMemoryLabel(127), "Used memory       : 127 byte");
  EXPECT_EQ(FreeMemoryLabel(512) + "|" + FreeMemoryLabel(513), "Free                       : 0 byte|"
                                                               "Free                       :-1 byte");
  EXPECT_EQ(std::tuple(doc.Tabelle[1][32] + doc.Tabelle[1][160], doc.TabelleGeaendert), std::tuple("keepkeep", true));
}

TEST(OptimizerOptions, SeekCaptionAndTheWindowRunsParameters) {
  for (const auto& [value, caption] : {std::pair{5, "Fast Scan depth: Low"}, {6, "Fast Scan depth: Medium"},
                                       {14, "Fast Scan depth: Medium"}, {15, "Fast Scan depth: High"}, {20, "Seek"}})
    EXPECT_EQ(SeekFrameCaption(value, "Seek"), caption);
  Settings settings;
  auto params = WindowRunParams(settings, 127, 7);
  EXPECT_EQ(std::tuple(params.mode, params.countingStep, params.exclusionPasses),
            std::tuple(OptimizerMode::Accurate, 1, 1));
  settings.KomprimModus = 1, settings.Suchtiefe = 12;
  params = WindowRunParams(settings, 3, 7);
  EXPECT_EQ(std::tuple(params.mode, params.samplesPerText, params.countingStep, params.pickLimit, params.seed),
            std::tuple(OptimizerMode::Fast, 12, 3, 3, uint64_t{7}));
  for (auto mode : {OptimizerMode::Accurate, OptimizerMode::Fast, OptimizerMode::Smallest})
    EXPECT_EQ(ModeFromKomprimModus(KomprimModusFromMode(mode)), mode);
}

// Both entry points of the frequency optimizer: fast mode's samples and counting step, the progress, the
// failure message and the stops; the automatic run as a fast window run with its fixed options, writing
// into the cleared dictionary. The fuzz target fuzz_optimizer holds the accurate run against the plain
// counting loop, on random texts from its corpus.
using testing::PutDialogue;
using testing::RecordingProgress;
using Steps = std::vector<std::pair<int32_t, int32_t>>;

Document TableDocument() {
  Document doc;
  PutBuiltInCodes(doc);
  TabelleErgaenzen(doc);
  StoreDictionary(doc, {});
  return doc;
}

OptimizerParams Fast(int32_t samples, uint64_t seed, int exclusionPasses = 1) {
  return {OptimizerMode::Fast, samples, 3, 127, exclusionPasses, seed};
}

// One step a text for gathering and one for counting, against twice the texts, then one a candidate.
// Fast mode samples no text of two characters and counts texts 1, 4, ... of each bank.
TEST(WindowRun, ProgressSamplesAndCountingStep) {
  Document doc;
  testing::ScriptedPrompter prompter;
  RecordingProgress accurate, fast, again;
  PutDialogue(doc, {{std::string(40, 'a')}});
  EXPECT_EQ(RunOptimizer(doc, {}, accurate, prompter).picks, std::vector<std::string>{"aa"});
  EXPECT_EQ(accurate.steps, (Steps{{1, 2}, {2, 2}, {1, 2}, {2, 2}}));
  const std::string text = "abababababababababababababab";
  PutDialogue(doc, {{"xy", "xy", "zz"}, {text, "qq", "qq", text, "qq"}});
  const OptimizerOutcome picked = RunOptimizer(doc, Fast(20, 99), fast, prompter);
  EXPECT_EQ(std::set(picked.picks.begin(), picked.picks.end()), (std::set<std::string>{"ab", "ba"}));
  EXPECT_EQ(fast.steps.at(10), std::make_pair(11, 16));  // 8 texts gathered, 3 counted
  EXPECT_NE(fast.steps.at(11).second, 16);
  EXPECT_EQ(RunOptimizer(doc, Fast(20, 99), again, prompter).picks, picked.picks);
}

// No text; no sample at all; only excluded candidates, which is a success without picks, or for the
// smallest mode a failure. A stop while the texts are read picks nothing; a later one is heard only
// by the smallest mode. Running out of memory is told with its number.
TEST(WindowRun, FailsWithItsMessageAndStopsWhereItsModeListens) {
  const OptimizerParams smallest{OptimizerMode::Smallest};
  for (const auto& [text, params, stopAt, result] :
       {std::tuple{"", OptimizerParams{}, 0L, "failed"}, {"a long text", Fast(0, 1), 0L, "failed"},
        {"[L_]", OptimizerParams{}, 0L, "succeeded"}, {"[L_]", smallest, 0L, "failed"},
        {"ab", OptimizerParams{}, 1L, "stopped"}, {"ab", smallest, 1L, "stopped"},
        {"ab", OptimizerParams{}, 2L, "stopped"}, {"ab", smallest, 2L, "stopped"},
        {"ab", OptimizerParams{}, 9L, "succeeded"}, {"ab", smallest, 5L, "stopped"},
        {"ab", smallest, 0L, "succeeded"}, {"ab", OptimizerParams{}, -2L, "no memory"}}) {
    Document doc = TableDocument();  // two texts of eight times the text
    std::string eight;
    for (int n = 0; n < 8; ++n) eight += text;
    PutDialogue(doc, {*text ? std::vector<std::string>{eight, eight} : std::vector<std::string>{}});
    testing::ScriptedPrompter prompter;
    RecordingProgress progress(stopAt);
    const OptimizerOutcome outcome = RunOptimizer(doc, params, progress, prompter);
    const std::string_view got = outcome.stopped ? "stopped" : outcome.succeeded ? "succeeded" : "failed";
    EXPECT_EQ(got, result == std::string_view("no memory") ? "failed" : result) << text;
    EXPECT_EQ(outcome.picks.empty(), std::string(text) != "ab" || !outcome.succeeded) << text;
    EXPECT_EQ(prompter.shown(), got != "failed"  ? ""
                                : result == got ? "Error!|Couldn't find an optimal compression.|030!\n"
                                                : "Error Nr. 7|Out of memory|030\n");
  }
}

// 200 distinct pairs in every text, so that far more than 127 candidates reach high counts.
TEST(AutomaticRun, IsAFastRunWithTwentySamplesThatFillsTheClearedDictionary) {
  std::string text;
  for (int i = 0; i < 600; ++i) text += {static_cast<char>('A' + i / 3 % 26), static_cast<char>('a' + i / 78)};
  Document doc;
  PutDialogue(doc, {std::vector<std::string>(200, text)});
  doc.Tabelle[1][32] = doc.Tabelle[1][160] = "keep";
  RecordingProgress progress, window;
  testing::ScriptedPrompter prompter;
  ASSERT_TRUE(SucheBesteKompression(doc, progress, prompter, 8));
  const OptimizerOutcome same = RunOptimizer(doc, Fast(20, 8, 2), window, prompter);
  ASSERT_EQ(same.picks.size(), 127u);
  for (int code = 33; code <= 159; ++code) ASSERT_EQ(doc.Tabelle[1][code], same.picks[code - 33]);
  EXPECT_EQ(std::tuple(doc.Tabelle[1][32] + doc.Tabelle[1][160], progress.steps), std::tuple("keepkeep", window.steps));
  EXPECT_EQ(progress.captions, (std::vector<std::string>{"Searching best compression...", "Analyzing Results..."}));
  EXPECT_FALSE(doc.TabelleGeaendert);  // the save sets it after the run
}

// Stops at the n-th poll after "Analyzing Results..." appeared, that is before selection pass n.
struct StopInSelection : RecordingProgress {
  bool keepGoing() override { return captions.size() < 2 || ++polls < pass; }
  int pass, polls = 0;
};

// A stop while counting leaves the dictionary untouched, one before the first selection pass leaves it
// cleared, one before the second keeps the first pass's pick; a failure clears it.
TEST(AutomaticRun, StopsAndFailureLeaveTheDictionaryAsTheirMomentFindsIt) {
  RecordingProgress counting(3), failing;
  StopInSelection first, second;
  first.pass = 1, second.pass = 2;
  for (const auto& [progress, texts, left] :
       {std::tuple<RecordingProgress*, std::string, std::string>{&counting, "abababababcdcdcd", "o33 o34 o159"},
        {&first, "abababababcdcdcd", "  "}, {&second, "abababababcdcdcd", "ab  "}, {&failing, "ab", "  "}}) {
    Document doc;
    PutDialogue(doc, {std::vector<std::string>(30, texts)});
    for (int code = 33; code <= 159; ++code) doc.Tabelle[1][code] = "o" + std::to_string(code);
    testing::ScriptedPrompter prompter;
    EXPECT_FALSE(SucheBesteKompression(doc, *progress, prompter, 1));
    EXPECT_EQ(doc.Tabelle[1][33] + " " + doc.Tabelle[1][34] + " " + doc.Tabelle[1][159], left);
    EXPECT_EQ(prompter.messages().size(), progress == &failing ? 1u : 0u);
  }
}

// The smallest-dictionary mode: its size model against the plain greedy rule, the budget and the
// characters it may use, and what it saves on the demo's dialogue (its stops are the window run's).
// Codes and terminators of the dialogue texts, the whole table tried by the plain reading of the rule.
int64_t PlainEncodedBytes(const Document& doc, const std::vector<std::string>& texts) {
  const CodeTable& table = doc.Tabelle[1];
  size_t longest = 0;
  for (const auto& s : table) longest = std::max(longest, s.size());
  int64_t bytes = 0;
  for (const std::string& text : texts) {
    int32_t k = 0;
    do k = testing::LinearNaechsterCode(table, static_cast<int32_t>(longest), text, k).next, ++bytes;
    while (k < static_cast<int32_t>(text.size()));
    ++bytes;
  }
  return bytes;
}

TEST(SmallestModel, MatchesTheGreedyRuleAndMeasuresEntriesExactly) {
  std::mt19937 random(3);
  static const std::vector<std::string> pieces{"the", " ", "e", "th", "Kael", "...", ".", "[L_]", "[LS]", "{0E}",
                                               "{1a}", "{05}", "a", "aa", "s", "LS", "[", "_", "he", "Lirae", "t"};
  auto randomDialogue = [&] {
    std::string text;
    for (size_t n = random() % 12; n > 0; --n) text += pieces[random() % pieces.size()];
    return text;
  };
  for (int round = 0; round < 40; ++round) {
    Document doc = TableDocument();
    std::vector<std::string> dictionary;  // entries as the optimizers make them: no bracket or brace
    for (size_t n = random() % 6; n > 0; --n)
      if (const std::string e = randomDialogue().substr(0, 2 + random() % 4); e.find_first_of("[]{}") == e.npos)
        dictionary.push_back(e);
    StoreDictionary(doc, dictionary);
    std::vector<std::string> texts(30);
    for (auto& t : texts) t = randomDialogue();
    const CodeTrie base = BaseCodeTrie(doc);
    CodeTrie trie = base;
    for (const auto& entry : dictionary) trie.insert(entry);
    DialogueRuns runs;
    for (const auto& t : texts) runs.addText(t, base);
    ASSERT_EQ(runs.modelledBytes(trie), PlainEncodedBytes(doc, texts)) << round;

    // The saving of one more entry, measured near its occurrences only, equals a full re-count.
    ParsedRuns parsed(runs, trie);
    for (int probe = 0; probe < 10; ++probe) {
      const std::string entry = randomDialogue().substr(0, 2 + random() % 5);
      if (entry.size() < 2) continue;
      CodeTrie grown = trie;
      grown.insert(entry);
      std::vector<Occurrence> all;  // overlapping ones included, as the chooser lists them
      for (size_t r = 0; r < runs.runs().size(); ++r)
        for (size_t at = runs.runs()[r].find(entry); at != std::string::npos; at = runs.runs()[r].find(entry, at + 1))
          all.push_back({static_cast<int32_t>(r), static_cast<int32_t>(at)});
      ASSERT_EQ(parsed.gain(entry, all), runs.modelledBytes(trie) - runs.modelledBytes(grown)) << entry;
    }
  }
}

// A bounded count table drops only rare strings when full: frequent ones keep their exact counts
// among any number of strings seen once, and the table stays within its bound.
TEST(SmallestModel, ABoundedCountKeepsTheFrequentStringsExactly) {
  PackedCounts counts(1024);
  for (uint64_t n = 1; n <= 20000; ++n) {
    counts[n % 97 == 0 ? 0x6161 : (n << 16) | 0x7A7A] += 1;
    if (n % 10 == 0) counts[0x6262] += 3;
  }
  counts[0x6363] += 5;  // a string first seen once the table has dropped others
  size_t held = 0;
  counts.forEach([&](uint64_t, int64_t) { ++held; });
  EXPECT_EQ(std::tuple(*counts.find(0x6161), *counts.find(0x6262), *counts.find(0x6363), held <= 1024),
            std::tuple(206, 6000, 5, true));
}

TEST(SmallestMode, FillsTheBudgetWithSafeEntriesAndBeatsTheFrequencyPickOnDemoDialogue) {
  Document doc;
  demo::FillDemoDocument(doc);
  TabelleErgaenzen(doc);
  std::vector<std::string> texts;
  for (int b = 1; b <= kBankCount; ++b)
    for (int t = 1; t <= doc.BankInfo[b].TextCount; ++t) texts.push_back(doc.Texte[b][t].Aktuell);
  testing::RecordingProgress progress;
  testing::ScriptedPrompter prompter;
  const OptimizerOutcome smallest = RunOptimizer(doc, {OptimizerMode::Smallest}, progress, prompter);
  ASSERT_TRUE(smallest.succeeded);
  ASSERT_TRUE(prompter.empty());
  EXPECT_EQ(progress.steps.front(), std::make_pair(1, static_cast<int32_t>(texts.size()) + 3 * 127));
  // Every slot filled, so that no empty entry comes back from a project file as its escape.
  ASSERT_EQ(std::set(smallest.picks.begin(), smallest.picks.end()).size(), 127u);
  EXPECT_LE(UsedMemory(smallest.picks), 512);
  for (const auto& pick : smallest.picks) {
    EXPECT_TRUE(IsSafeEntry(pick, doc)) << pick;
    EXPECT_LE(pick.size(), 8u) << pick;
  }
  Document withSmallest = doc, withFrequency = doc;
  StoreDictionary(withSmallest, smallest.picks);
  StoreDictionary(withFrequency, RunOptimizer(doc, {}, progress, prompter).picks);
  EXPECT_LT(PlainEncodedBytes(withSmallest, texts) * 100, PlainEncodedBytes(withFrequency, texts) * 92);
}

// Only two-character texts: more equally good candidates than the pool holds. Renaming the highest
// character to one above 0x7F changes nothing but that character in the picks.
TEST(SmallestMode, ACharacterAbove0x7FIsMeasuredLikeAnyOther) {
  const std::string alphabet = "%&'()+-0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  std::vector<std::string> picks[2];
  for (const char highest : {'z', '\xE9'}) {
    Document doc = TableDocument();
    doc.Tabelle[1][0xEE] = "\xE9";
    std::vector<std::vector<std::string>> banks(4);
    for (size_t i = 0; i < alphabet.size() * alphabet.size(); ++i) {
      std::string pair{alphabet[i / alphabet.size()], alphabet[i % alphabet.size()]};
      for (char& c : pair) c = c == 'z' ? highest : c;
      banks[i % 4].push_back(pair);
    }
    testing::PutDialogue(doc, banks);
    SilentProgress progress;
    picks[highest == 'z'] = ChooseSmallestDictionary(doc, 5, progress).picks;
  }
  for (std::string& pick : picks[0]) std::replace(pick.begin(), pick.end(), '\xE9', 'z');
  EXPECT_EQ(picks[0], picks[1]);
}

TEST(SmallestMode, KeepsThePickLimitAndSafeEntries) {
  Document doc = TableDocument();
  testing::PutDialogue(doc, {std::vector<std::string>(50, "abcdefghijklmnopqrstuvwxyz abcdefghijklmnopqrstuvwxyz")});
  SilentProgress silent;
  EXPECT_EQ(ChooseSmallestDictionary(doc, 3, silent).picks.size(), 3u);
  doc.Tabelle[2][0] = "~";  // only column 1 makes a character safe
  for (const auto& [entry, safe] :
       {std::pair{"a", false}, {"a  b", false}, {"HELLS", false}, {"Hells", true}, {"e.", false}, {"a~", false}})
    EXPECT_EQ(IsSafeEntry(entry, doc), safe) << entry;
}

}  // namespace
}  // namespace orvane
