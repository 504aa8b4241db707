// The smallest-dictionary mode: its size model against the plain greedy rule, the budget and the
// characters it may use, what it saves on the demo's dialogue, and its stops.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "compression/dialogue_runs.h"
#include "compression/dictionary_budget.h"
#include "compression/optimizer.h"
#include "compression/parsed_runs.h"
#include "compression/smallest_dictionary.h"
#include "demo/demo_document.h"
#include "rom/code_table.h"
#include "support/dialogue_texts.h"
#include "support/linear_encoder.h"
#include "support/scripted_prompter.h"

namespace orvane {
namespace {

Document TableDocument() {
  Document doc;
  PutBuiltInCodes(doc);
  TabelleErgaenzen(doc);
  StoreDictionary(doc, {});
  return doc;
}

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
                                               "{1a}", "a", "aa", "s", "LS", "[", "_", "he", "Lirae", "t"};
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
  ASSERT_TRUE(smallest.succeeded && prompter.empty());
  EXPECT_EQ(progress.steps.front(), std::make_pair(1, static_cast<int32_t>(texts.size()) + 3 * 127));
  // Every slot filled, so that no empty entry comes back from a project file as its escape.
  ASSERT_EQ(std::set(smallest.picks.begin(), smallest.picks.end()).size(), 127u);
  EXPECT_LE(UsedMemory(smallest.picks), 512);
  for (const auto& pick : smallest.picks) EXPECT_TRUE(IsSafeEntry(pick, doc) && pick.size() <= 8) << pick;
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

// Stops while the texts are read and while entries are chosen; nothing to choose fails with the message.
TEST(SmallestMode, KeepsThePickLimitAndSafeEntriesStopsAndFailsLikeTheOtherModes) {
  Document doc = TableDocument();
  testing::PutDialogue(doc, {std::vector<std::string>(50, "abcdefghijklmnopqrstuvwxyz abcdefghijklmnopqrstuvwxyz")});
  SilentProgress silent;
  EXPECT_EQ(ChooseSmallestDictionary(doc, 3, silent).picks.size(), 3u);
  for (const auto& [entry, safe] :
       {std::pair{"a", false}, {"a  b", false}, {"HELLS", false}, {"Hells", true}, {"e.", false}})
    EXPECT_EQ(IsSafeEntry(entry, doc), safe) << entry;
  for (const long stopAt : {1L, 2L, 120L, 0L}) {
    if (stopAt == 0) testing::PutDialogue(doc, {{"", "[L_]", "...!"}});
    testing::RecordingProgress progress(stopAt);
    testing::ScriptedPrompter prompter;
    const OptimizerOutcome outcome = RunOptimizer(doc, {OptimizerMode::Smallest}, progress, prompter);
    EXPECT_TRUE(!outcome.succeeded && outcome.picks.empty() && outcome.stopped == (stopAt != 0)) << stopAt;
    EXPECT_EQ(prompter.messages().size(), stopAt == 0 ? 1u : 0u);
  }
}

}  // namespace
}  // namespace orvane
