// The smallest-dictionary mode: its size model against the plain greedy rule, the budget and the
// characters it may use, and its stops.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "common/text_helpers.h"
#include "compression/dialogue_runs.h"
#include "compression/dictionary_budget.h"
#include "compression/optimizer.h"
#include "compression/parsed_runs.h"
#include "compression/smallest_dictionary.h"
#include "rom/code_table.h"
#include "support/dialogue_texts.h"
#include "support/scripted_prompter.h"

namespace orvane {
namespace {

using testing::CorpusStyle;
using testing::MakeDialogueCorpus;
using testing::PutDialogue;

Document TableDocument() {
  Document doc;
  PutBuiltInCodes(doc);
  TabelleErgaenzen(doc);
  for (int code = kDictionaryFirst; code <= kDictionaryLast; ++code) doc.Tabelle[1][code].clear();
  return doc;
}

// Bytes of a dialogue text by the encoder's rule read literally: lengths from the longest table
// string down, the first that is in the table wins; then the brace escape; a character without
// code counts one. Plus the terminator.
int64_t PlainEncodedBytes(const CodeTable& table, const std::string& text) {
  size_t longest = 0;
  for (const auto& s : table) longest = std::max(longest, s.size());
  int64_t codes = 0;
  size_t k = 0;
  do {
    size_t next = 0;
    for (size_t length = longest; length >= 1 && next == 0; --length)
      if (SucheEintrag(table, std::string_view(text).substr(std::min(k, text.size()), length)) >= 0) next = k + length;
    const bool escape = k + 3 < text.size() && text[k] == '{' && text[k + 3] == '}' &&
                        std::isxdigit(static_cast<unsigned char>(text[k + 1])) &&
                        std::isxdigit(static_cast<unsigned char>(text[k + 2]));
    if (next == 0) next = escape ? k + 4 : k + 1;
    ++codes;
    k = next;
  } while (k < text.size());
  return codes + 1;
}

std::string RandomDialogue(std::mt19937& random) {
  static const std::vector<std::string> pieces{"the", " ", "e", "th", "Kael", "...", ".", "[L_]", "[LS]", "{0E}",
                                               "{1a}", "a", "aa", "s", "LS", "[", "_", "he", "Lirae", "t"};
  std::string text;
  for (size_t n = random() % 12; n > 0; --n) text += pieces[random() % pieces.size()];
  return text;
}

TEST(SmallestModel, MatchesTheGreedyRuleAndMeasuresEntriesExactly) {
  std::mt19937 random(3);
  for (int round = 0; round < 40; ++round) {
    Document doc = TableDocument();
    std::vector<std::string> dictionary;
    // Entries as the optimizers make them: nothing of a bracket or brace unit.
    for (size_t n = random() % 6; n > 0; --n) {
      const std::string entry = RandomDialogue(random).substr(0, 2 + random() % 4);
      if (entry.find_first_of("[]{}") == std::string::npos) dictionary.push_back(entry);
    }
    StoreDictionary(doc, dictionary);
    std::vector<std::string> texts(30);
    for (auto& t : texts) t = RandomDialogue(random);

    const CodeTrie base = BaseCodeTrie(doc);
    CodeTrie trie = base;
    for (const auto& entry : dictionary) trie.insert(entry);
    DialogueRuns runs;
    int64_t plain = 0;
    for (const auto& t : texts) {
      runs.addText(t, base);
      plain += PlainEncodedBytes(doc.Tabelle[1], t);
    }
    ASSERT_EQ(runs.modelledBytes(trie), plain) << round;

    // The saving of one more entry, measured near its occurrences only, equals a full re-count.
    ParsedRuns parsed(runs, trie);
    for (int probe = 0; probe < 10; ++probe) {
      const std::string entry = RandomDialogue(random).substr(0, 2 + random() % 5);
      if (entry.size() < 2) continue;
      CodeTrie grown = trie;
      grown.insert(entry);
      std::vector<Occurrence> all;  // overlapping ones included, as the chooser lists them
      for (size_t r = 0; r < runs.runs().size(); ++r)
        for (size_t at = runs.runs()[r].find(entry); at != std::string::npos; at = runs.runs()[r].find(entry, at + 1))
          all.push_back({static_cast<int32_t>(r), static_cast<int32_t>(at)});
      ASSERT_EQ(parsed.gain(entry, all), runs.modelledBytes(trie) - runs.modelledBytes(grown))
          << "entry '" << entry << "' round " << round;
    }
  }
}

void ExpectUsableDictionary(const Document& doc, const std::vector<std::string>& picks) {
  EXPECT_LE(UsedMemory(picks) + kDictionaryEntries - static_cast<int32_t>(picks.size()), 512);
  EXPECT_LE(picks.size(), 127u);
  std::set<std::string> seen;
  for (const auto& pick : picks) {
    EXPECT_TRUE(IsSafeEntry(pick, doc)) << pick;
    EXPECT_LE(pick.size(), kLongestSmallestEntry) << pick;
    EXPECT_EQ(pick.find_first_of("[]{}.,!?_"), std::string::npos) << pick;
    EXPECT_TRUE(seen.insert(pick).second) << "twice: " << pick;
  }
}

TEST(SmallestMode, StaysInTheBudgetWithSafeEntriesAndBeatsTheFrequencyPick) {
  for (auto style : {CorpusStyle::Quest, CorpusStyle::Archaic}) {
    Document doc = TableDocument();
    auto texts = MakeDialogueCorpus(900, 17, style);
    texts.push_back("LSLSLSLS WSWSWS  x  x  x__a_b#c#d");  // forbidden pairs and characters without code
    PutDialogue(doc, {texts});
    testing::RecordingProgress progress;
    testing::ScriptedPrompter prompter;
    OptimizerParams params;
    params.mode = OptimizerMode::Smallest;
    const auto smallest = RunOptimizer(doc, params, progress, prompter);
    ASSERT_TRUE(smallest.succeeded);
    EXPECT_TRUE(prompter.empty());
    ExpectUsableDictionary(doc, smallest.picks);
    EXPECT_EQ(smallest.picks.size(), 127u);  // no empty entry that a project file would turn into an escape
    EXPECT_EQ(progress.steps.front(), (std::pair<int32_t, int32_t>{1, 901 + 3 * 127}));

    const auto frequency = RunOptimizer(doc, OptimizerParams{}, progress, prompter);
    auto bytesWith = [&](const std::vector<std::string>& picks) {
      CodeTrie trie = BaseCodeTrie(doc);
      DialogueRuns runs;
      for (const auto& t : texts) runs.addText(t, trie);
      for (const auto& p : picks) trie.insert(p);
      return runs.modelledBytes(trie);
    };
    EXPECT_LT(bytesWith(smallest.picks) * 100, bytesWith(frequency.picks) * 92);
  }
}

TEST(SmallestMode, KeepsThePickLimitAndLongEntriesOut) {
  Document doc = TableDocument();
  // One long repeated phrase would be worth far more than eight characters' worth of entry.
  PutDialogue(doc, {std::vector<std::string>(50, "abcdefghijklmnopqrstuvwxyz abcdefghijklmnopqrstuvwxyz")});
  testing::RecordingProgress progress;
  const auto limited = ChooseSmallestDictionary(doc, 3, progress);
  EXPECT_EQ(limited.picks.size(), 3u);
  ExpectUsableDictionary(doc, limited.picks);
  EXPECT_FALSE(IsSafeEntry("a", doc));
  EXPECT_FALSE(IsSafeEntry("a  b", doc));
  EXPECT_FALSE(IsSafeEntry("HELLS", doc));
  EXPECT_TRUE(IsSafeEntry("Hells", doc));
  EXPECT_FALSE(IsSafeEntry("e.", doc));
}

TEST(SmallestMode, StopsAndFailsLikeTheOtherModes) {
  Document doc = TableDocument();
  PutDialogue(doc, {MakeDialogueCorpus(50, 1)});
  OptimizerParams params;
  params.mode = OptimizerMode::Smallest;
  for (long stopAt : {1L, 2L, 120L}) {  // while reading texts, and while choosing
    testing::RecordingProgress progress(stopAt);
    testing::ScriptedPrompter prompter;
    const auto outcome = RunOptimizer(doc, params, progress, prompter);
    EXPECT_TRUE(outcome.stopped) << stopAt;
    EXPECT_TRUE(outcome.picks.empty());
    EXPECT_TRUE(prompter.empty());
  }
  PutDialogue(doc, {{"", "[L_]", "...!"}});
  testing::RecordingProgress progress;
  testing::ScriptedPrompter prompter;
  const auto nothing = RunOptimizer(doc, params, progress, prompter);
  EXPECT_FALSE(nothing.succeeded);
  ASSERT_EQ(prompter.messages().size(), 1u);
  EXPECT_EQ(prompter.last().text, "Couldn't find an optimal compression.");
}

}  // namespace
}  // namespace orvane
