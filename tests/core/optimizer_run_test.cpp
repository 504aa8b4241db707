// Both entry points of the frequency optimizer on small documents: what they pick, the progress they
// report, the message on failure, and what a stop leaves behind.
#include <gtest/gtest.h>

#include <random>

#include "common/text_helpers.h"
#include "compression/candidate_counts.h"
#include "compression/optimizer.h"
#include "compression/threshold_selection.h"
#include "support/dialogue_texts.h"
#include "support/scripted_prompter.h"

namespace orvane {
namespace {

using testing::PutDialogue;
using testing::RecordingProgress;
using testing::ScriptedPrompter;
using Steps = std::vector<std::pair<int32_t, int32_t>>;

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

OptimizerParams Accurate() { return OptimizerParams{}; }

OptimizerParams Fast(int32_t samples, uint64_t seed) {
  OptimizerParams p;
  p.mode = OptimizerMode::Fast;
  p.samplesPerText = samples;
  p.countingStep = 3;
  p.seed = seed;
  return p;
}

void ExpectFailureMessage(const ScriptedPrompter& prompter) {
  ASSERT_EQ(prompter.messages().size(), 1u);
  const Message& m = prompter.last();
  EXPECT_EQ(m.title, "Error!");
  EXPECT_EQ(m.text, "Couldn't find an optimal compression.");
  EXPECT_EQ(m.buttons, Buttons::Ok);
  EXPECT_EQ(m.icon, Icon::Stop);
  EXPECT_TRUE(m.systemModal);
}

TEST(WindowRun, AccuratePicksByCountAndReportsEveryStep) {
  Document doc;
  // Pairs: ab 20, ba 19, bc 1, cd 15, dc 14, and the single "d" at the end.
  PutDialogue(doc, {{Repeat("ab", 20) + Repeat("cd", 15)}});
  RecordingProgress progress;
  ScriptedPrompter prompter;
  const auto outcome = RunOptimizer(doc, Accurate(), progress, prompter);
  EXPECT_TRUE(outcome.succeeded);
  EXPECT_FALSE(outcome.stopped);
  EXPECT_EQ(outcome.picks, (std::vector<std::string>{"ab", "ba", "cd", "dc"}));
  EXPECT_TRUE(prompter.empty());
  // One step per text for gathering and for counting against twice the text count, then the
  // exclusion pass by candidate.
  EXPECT_EQ(progress.steps, (Steps{{1, 2}, {2, 2}, {1, 6}, {2, 6}, {3, 6}, {4, 6}, {5, 6}, {6, 6}}));
  EXPECT_TRUE(progress.captions.empty());
}

TEST(WindowRun, CandidatesAreCaseSensitiveAndNotationPairsNeverPicked) {
  Document doc;
  PutDialogue(doc, {{Repeat("[LS]", 30) + Repeat("{1A}", 30) + Repeat("xY", 30) + Repeat("XY", 25)}});
  ScriptedPrompter prompter;
  RecordingProgress progress;
  const auto outcome = RunOptimizer(doc, Accurate(), progress, prompter);
  ASSERT_TRUE(outcome.succeeded);
  // "1A" sits between braces but is plain text; "LS" and everything with a bracket is dropped.
  EXPECT_EQ(outcome.picks, (std::vector<std::string>{"1A", "xY", "Yx", "YX", "XY"}));  // YX found first
}

TEST(WindowRun, PicksEqualThePlainCountingLoopOnRandomTexts) {
  std::mt19937 random(23);
  const std::string alphabet = "eeaat  th.,[]LS_W{}1AAa";
  for (int round = 0; round < 25; ++round) {
    std::vector<std::vector<std::string>> banks(1 + random() % 4);
    std::vector<std::string> all;
    for (auto& bank : banks) {
      bank.resize(1 + random() % 30);
      for (auto& text : bank) {
        text.resize(random() % 80);
        for (auto& c : text) c = alphabet[random() % alphabet.size()];
        all.push_back(text);
      }
    }
    Document doc;
    PutDialogue(doc, banks);
    ScriptedPrompter prompter;
    RecordingProgress progress;
    const auto outcome = RunOptimizer(doc, Accurate(), progress, prompter);

    // The plain reading: a linear search for new candidates, ZaehleVorkommen per candidate and text.
    std::vector<std::string> candidates;
    for (const auto& text : all)
      for (size_t p = 0; p < text.size(); ++p) {
        const std::string c = text.substr(p, 2);
        if (SucheEintrag(candidates, c) < 0) candidates.push_back(c);
      }
    std::vector<int32_t> counts(candidates.size(), 0);
    for (const auto& text : all)
      for (size_t c = 0; c < candidates.size(); ++c) counts[c] += ZaehleVorkommen(text, candidates[c], true);
    for (size_t c = 0; c < candidates.size(); ++c)
      if (IsExcludedCandidate(candidates[c])) counts[c] = -1;
    const auto plain = SelectByThreshold(counts, 127, [] { return true; });
    std::vector<std::string> expected;
    for (int32_t c : plain.picked) expected.push_back(candidates[c]);
    ASSERT_EQ(outcome.picks, expected) << round;
    ASSERT_EQ(outcome.succeeded, plain.threshold >= 0) << round;
  }
}

TEST(WindowRun, FastModeSamplesLongTextsAndCountsEveryThird) {
  Document doc;
  const std::string text = Repeat("ab", 15);  // 30 characters: only "ab" and "ba"
  // Bank 1 texts of two characters give no candidates in fast mode; bank 2 is counted on texts 1, 4.
  PutDialogue(doc, {{"xy", "xy", "zz"}, {text, "qq", "qq", text, "qq"}});
  RecordingProgress progress;
  ScriptedPrompter prompter;
  const auto fast = RunOptimizer(doc, Fast(20, 99), progress, prompter);
  ASSERT_TRUE(fast.succeeded);
  EXPECT_EQ(fast.picks.size(), 2u);
  for (const auto& pick : fast.picks) EXPECT_TRUE(pick == "ab" || pick == "ba") << pick;
  // Gathering visits all 8 texts, counting texts 1 of bank 1 and 1, 4 of bank 2: 11 steps of 16.
  ASSERT_GE(progress.steps.size(), 11u);
  EXPECT_EQ(progress.steps[10], (std::pair<int32_t, int32_t>{11, 16}));
  EXPECT_NE(progress.steps[11].second, 16);

  // The same seed gives the same run; accurate mode also finds the short texts' pairs.
  ScriptedPrompter again;
  EXPECT_EQ(RunOptimizer(doc, Fast(20, 99), progress, again).picks, fast.picks);
  const auto accurate = RunOptimizer(doc, Accurate(), progress, again);
  EXPECT_EQ(accurate.picks, (std::vector<std::string>{"ab", "ba"}));  // "xy" (2) and "qq" (3) stay below 11
}

TEST(WindowRun, FailsWithTheMessageWhenNothingCanBePicked) {
  Document doc;
  PutDialogue(doc, {});
  ScriptedPrompter prompter;
  RecordingProgress progress;
  auto outcome = RunOptimizer(doc, Accurate(), progress, prompter);
  EXPECT_FALSE(outcome.succeeded);
  EXPECT_TRUE(outcome.picks.empty());
  ExpectFailureMessage(prompter);

  // Zero samples per text: no candidate either.
  PutDialogue(doc, {{"a long enough text"}});
  ScriptedPrompter zero;
  outcome = RunOptimizer(doc, Fast(0, 1), progress, zero);
  EXPECT_FALSE(outcome.succeeded);
  ExpectFailureMessage(zero);

  // Only excluded candidates: a success with no picks and no message.
  PutDialogue(doc, {{"[L_]"}});
  ScriptedPrompter none;
  outcome = RunOptimizer(doc, Accurate(), progress, none);
  EXPECT_TRUE(outcome.succeeded);
  EXPECT_TRUE(outcome.picks.empty());
  EXPECT_TRUE(none.empty());
}

TEST(WindowRun, StopWhileGatheringOrCountingPicksNothing) {
  Document doc;
  PutDialogue(doc, {{Repeat("ab", 20), Repeat("ab", 20)}});
  // Calls per text: keepGoing then progress. Call 2 is the first text's progress, 6 the second
  // counting text's keepGoing.
  for (long stopAt : {1L, 2L, 6L}) {
    RecordingProgress progress(stopAt);
    ScriptedPrompter prompter;
    const auto outcome = RunOptimizer(doc, Accurate(), progress, prompter);
    EXPECT_TRUE(outcome.stopped) << stopAt;
    EXPECT_FALSE(outcome.succeeded);
    EXPECT_TRUE(outcome.picks.empty());
    EXPECT_TRUE(prompter.empty());
  }
  // Phase 3 and 4 do not listen to the stop in the window run.
  RecordingProgress late(9);
  ScriptedPrompter prompter;
  const auto outcome = RunOptimizer(doc, Accurate(), late, prompter);
  EXPECT_FALSE(outcome.stopped);
  EXPECT_EQ(outcome.picks, (std::vector<std::string>{"ab", "ba"}));
}

void FillDictionary(Document& doc) {
  for (int code = 33; code <= 159; ++code) doc.Tabelle[1][code] = "o" + std::to_string(code);
}

TEST(AutomaticRun, WritesPicksIntoTheClearedDictionary) {
  Document doc;
  FillDictionary(doc);
  PutDialogue(doc, {{Repeat("ab", 40), "x", "y", Repeat("ab", 40)}});
  RecordingProgress progress;
  ScriptedPrompter prompter;
  EXPECT_TRUE(SucheBesteKompression(doc, progress, prompter, 4));
  EXPECT_EQ(progress.captions, (std::vector<std::string>{"Searching best compression...", "Analyzing Results..."}));
  EXPECT_EQ(doc.Tabelle[1][33], "ab");
  EXPECT_EQ(doc.Tabelle[1][34], "ba");
  for (int code = 35; code <= 159; ++code) ASSERT_EQ(doc.Tabelle[1][code], "") << code;
  EXPECT_FALSE(doc.TabelleGeaendert);  // the save sets it after the run
  // Texts 1..4 gathered, texts 1 and 4 counted, against twice the four texts; then two exclusion passes.
  const Steps expected{{1, 8}, {2, 8}, {3, 8}, {4, 8}, {5, 8}, {6, 8}, {1, 2}, {2, 2}, {1, 2}, {2, 2}};
  EXPECT_EQ(progress.steps, expected);
}

// Stops at the n-th poll after "Analyzing Results..." appeared, that is before selection pass n.
class StopInSelection : public RecordingProgress {
 public:
  explicit StopInSelection(int pass) : pass_(pass) {}
  bool keepGoing() override {
    if (captions.size() < 2) return true;
    return ++polls_ < pass_;
  }

 private:
  int pass_;
  int polls_ = 0;
};

TEST(AutomaticRun, StopsLeaveTheDictionaryAsTheirMomentFindsIt) {
  Document doc;
  PutDialogue(doc, {{Repeat("ab", 30) + Repeat("cd", 20)}});
  ScriptedPrompter prompter;

  // Stopped while counting: untouched.
  FillDictionary(doc);
  RecordingProgress counting(3);
  EXPECT_FALSE(SucheBesteKompression(doc, counting, prompter, 1));
  EXPECT_EQ(doc.Tabelle[1][33], "o33");
  EXPECT_EQ(doc.Tabelle[1][159], "o159");

  // Stopped before the first selection pass: cleared.
  StopInSelection first(1);
  EXPECT_FALSE(SucheBesteKompression(doc, first, prompter, 1));
  for (int code = 33; code <= 159; ++code) ASSERT_EQ(doc.Tabelle[1][code], "") << code;

  // Stopped before the second pass: the first pass's picks stay.
  FillDictionary(doc);
  StopInSelection second(2);
  EXPECT_FALSE(SucheBesteKompression(doc, second, prompter, 1));
  EXPECT_EQ(doc.Tabelle[1][33], "ab");
  EXPECT_EQ(doc.Tabelle[1][34], "");
  EXPECT_TRUE(prompter.empty());
}

TEST(AutomaticRun, FailureLeavesEntriesClearedAndSaysSo) {
  Document doc;
  FillDictionary(doc);
  PutDialogue(doc, {{"ab", "cd"}});  // too short to be sampled
  RecordingProgress progress;
  ScriptedPrompter prompter;
  EXPECT_FALSE(SucheBesteKompression(doc, progress, prompter, 1));
  ExpectFailureMessage(prompter);
  for (int code = 33; code <= 159; ++code) ASSERT_EQ(doc.Tabelle[1][code], "") << code;
}

TEST(AutomaticRun, NeverWritesBeyondCode159) {
  Document doc;
  // 200 distinct pairs in every text, so far more than 127 candidates reach high counts.
  std::string text;
  for (int i = 0; i < 200; ++i) text += Repeat(std::string{static_cast<char>('A' + i % 26), static_cast<char>('a' + i / 26)}, 3);
  PutDialogue(doc, {std::vector<std::string>(200, text)});
  doc.Tabelle[1][160] = "A";
  RecordingProgress progress;
  ScriptedPrompter prompter;
  EXPECT_TRUE(SucheBesteKompression(doc, progress, prompter, 8));
  EXPECT_EQ(doc.Tabelle[1][160], "A");
  for (int code = 33; code <= 159; ++code) ASSERT_FALSE(doc.Tabelle[1][code].empty()) << code;
}

}  // namespace
}  // namespace orvane
