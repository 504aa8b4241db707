// Both entry points of the frequency optimizer: the window run against the plain counting loop (bytes
// above 0x7F included), fast mode's samples and counting step, the progress, the failure message and
// the stops; the automatic run as a fast window run with its fixed options, writing into the cleared
// dictionary.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "common/text_helpers.h"
#include "compression/optimizer.h"
#include "compression/threshold_selection.h"
#include "support/dialogue_texts.h"
#include "support/write_harness.h"

namespace orvane {
namespace {

using testing::PutDialogue;
using testing::RecordingProgress;
using Steps = std::vector<std::pair<int32_t, int32_t>>;

OptimizerParams Fast(int32_t samples, uint64_t seed, int exclusionPasses = 1) {
  return {OptimizerMode::Fast, samples, 3, 127, exclusionPasses, seed};
}

TEST(WindowRun, AccuratePicksEqualThePlainCountingLoopOnRandomTexts) {
  std::mt19937 random(23);
  for (int round = 0; round < 25; ++round) {
    std::vector<std::vector<std::string>> banks(1 + random() % 4);
    std::vector<std::string> all, candidates;
    for (auto& bank : banks) {
      bank.resize(1 + random() % 30);
      for (auto& text : bank) {
        for (size_t n = random() % 80; n > 0; --n) text += "eeaat  th.,[]LS_W{}1AAa\xE4\xE4"[random() % 25];
        all.push_back(text);
      }
    }
    Document doc;
    PutDialogue(doc, banks);
    testing::ScriptedPrompter prompter;
    RecordingProgress progress;
    const OptimizerOutcome outcome = RunOptimizer(doc, {}, progress, prompter);
    // The plain reading: a linear search for new candidates, ZaehleVorkommen per candidate and text.
    for (const auto& text : all)
      for (size_t p = 0; p < text.size(); ++p)
        if (SucheEintrag(candidates, text.substr(p, 2)) < 0) candidates.push_back(text.substr(p, 2));
    std::vector<int32_t> counts(candidates.size(), 0);
    for (size_t c = 0; c < candidates.size(); ++c)
      for (const auto& text : all)
        counts[c] = IsExcludedCandidate(candidates[c]) ? -1 : counts[c] + ZaehleVorkommen(text, candidates[c], true);
    const Selection plain = SelectByThreshold(counts, 127, [] { return true; });
    std::vector<std::string> expected;
    for (int32_t c : plain.picked) expected.push_back(candidates[c]);
    ASSERT_EQ(outcome.picks, expected) << round;
    ASSERT_EQ(outcome.succeeded, plain.threshold >= 0) << round;
  }
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

// No text; no sample at all; only excluded candidates, which is a success without picks. A stop while
// the texts are read picks nothing; a later one is not heard.
TEST(WindowRun, FailsWithItsMessageAndStopsOnlyWhileReadingTheTexts) {
  for (const auto& [text, params, stopAt, result] :
       {std::tuple{"", OptimizerParams{}, 0L, "failed"}, {"a long text", Fast(0, 1), 0L, "failed"},
        {"[L_]", OptimizerParams{}, 0L, "succeeded"}, {"ab", OptimizerParams{}, 1L, "stopped"},
        {"ab", OptimizerParams{}, 2L, "stopped"}, {"ab", OptimizerParams{}, 9L, "succeeded"}}) {
    Document doc;  // two texts of eight times the text
    std::string eight;
    for (int n = 0; n < 8; ++n) eight += text;
    PutDialogue(doc, {*text ? std::vector<std::string>{eight, eight} : std::vector<std::string>{}});
    testing::ScriptedPrompter prompter;
    RecordingProgress progress(stopAt);
    const OptimizerOutcome outcome = RunOptimizer(doc, params, progress, prompter);
    EXPECT_EQ(outcome.stopped ? "stopped" : outcome.succeeded ? "succeeded" : "failed", std::string(result)) << text;
    EXPECT_EQ(outcome.picks.size(), std::string(text) == "ab" && !outcome.stopped ? 2u : 0u) << text;
    const std::string failure = "Error!|Couldn't find an optimal compression.|030!\n";
    EXPECT_EQ(prompter.shown(), std::string(result) == "failed" ? failure : "");
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
  EXPECT_EQ(doc.Tabelle[1][32] + doc.Tabelle[1][160], "keepkeep");
  EXPECT_EQ(progress.steps, window.steps);
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

}  // namespace
}  // namespace orvane
