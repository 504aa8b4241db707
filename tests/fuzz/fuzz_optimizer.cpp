// The optimizer on arbitrary dialogue: every mode, any pick limit, stopped at any step. Whatever the
// texts, the picks are distinct entries the dictionary may hold, within the limit and (smallest mode)
// within the budget, a failure shows its one message, and the automatic run leaves the dictionary
// either untouched or as its picks followed by empty entries.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "compression/optimizer.h"
#include "compression/smallest_dictionary.h"
#include "document.h"
#include "harness.h"
#include "rom/code_table.h"
#include "support/dialogue_texts.h"
#include "support/scripted_prompter.h"

namespace {

using namespace orvane;
using fuzz::InputReader;

const fuzz::CheckingPrompter::Allowed kNothingFound{"Error!", "Couldn't find an optimal compression."};

// A pair the frequency optimizer may pick: two characters, none of the notation's or the
// punctuation's, not two spaces, not the inner letters of a line or window code.
bool IsPickablePair(const std::string& pick) {
  if (pick.size() != 2 || pick == "  ") return false;
  if (pick == "LS" || pick == "L_" || pick == "W_" || pick == "WS") return false;
  return pick.find_first_of("[]{}.,!?") == std::string::npos;
}

void CheckPicks(const std::vector<std::string>& picks, size_t limit, bool (*allowed)(const std::string&)) {
  FUZZ_CHECK(picks.size() <= limit);
  FUZZ_CHECK(std::set<std::string>(picks.begin(), picks.end()).size() == picks.size());
  for (const std::string& pick : picks) FUZZ_CHECK(allowed(pick));
}

// The texts: lines of the input, dealt out over the first `banks` banks.
std::vector<std::vector<std::string>> Dialogue(InputReader& in, int banks) {
  std::vector<std::vector<std::string>> dialogue(static_cast<size_t>(banks));
  const std::string rest = in.rest();
  size_t start = 0, n = 0;
  while (start <= rest.size() && n < 400) {
    size_t end = rest.find('\n', start);
    if (end == std::string::npos) end = rest.size();
    dialogue[n++ % dialogue.size()].push_back(rest.substr(start, end - start));
    start = end + 1;
  }
  return dialogue;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  InputReader in(data, size);
  const uint8_t mode = in.byte() % 4;
  const int32_t pickLimit = in.byte() % 128;
  const long stopAfter = in.byte() % 64;  // 0: never stopped
  const uint16_t seed = in.word();
  const int banks = in.byte() % kBankCount + 1;

  static Document doc;
  PutBuiltInCodes(doc);
  TabelleErgaenzen(doc);
  testing::PutDialogue(doc, Dialogue(in, banks));
  testing::RecordingProgress progress(stopAfter);
  fuzz::CheckingPrompter prompter(0, {kNothingFound}, {});

  if (mode == 3) {
    const CodeTable before = doc.Tabelle[1];
    const bool erfolg = SucheBesteKompression(doc, progress, prompter, seed);
    FUZZ_CHECK(prompter.messages() <= 1 && (erfolg ? prompter.messages() == 0 : true));
    std::vector<std::string> picks;
    int code = kDictionaryFirst;
    for (; code <= kDictionaryLast && !doc.Tabelle[1][code].empty(); ++code) picks.push_back(doc.Tabelle[1][code]);
    for (; code <= kDictionaryLast; ++code) FUZZ_CHECK(doc.Tabelle[1][code].empty() || doc.Tabelle[1] == before);
    if (doc.Tabelle[1] != before) CheckPicks(picks, 127, IsPickablePair);
    for (int c = 0; c < kCodes; ++c)
      if (c < kDictionaryFirst || c > kDictionaryLast) FUZZ_CHECK(doc.Tabelle[1][c] == before[c]);
    return 0;
  }

  if (mode == 2) {
    const SmallestResult result = ChooseSmallestDictionary(doc, pickLimit, progress);
    size_t budget = kDictionaryEntries;
    for (const std::string& pick : result.picks) {
      FUZZ_CHECK(pick.size() >= 2 && pick.size() <= kLongestSmallestEntry);
      FUZZ_CHECK(IsSafeEntry(pick, doc));
      budget += pick.size();
    }
    FUZZ_CHECK(budget <= 512);
    CheckPicks(result.picks, static_cast<size_t>(pickLimit), [](const std::string&) { return true; });
    return 0;
  }

  OptimizerParams params;
  params.mode = mode == 0 ? OptimizerMode::Accurate : OptimizerMode::Fast;
  params.countingStep = mode == 0 ? 1 : 3;
  params.samplesPerText = seed % 40 + 1;
  params.pickLimit = pickLimit;
  params.seed = seed;
  const OptimizerOutcome outcome = RunOptimizer(doc, params, progress, prompter);
  // The limit is checked after a candidate was examined, so even a limit of 0 may see one pick.
  CheckPicks(outcome.picks, static_cast<size_t>(std::max(pickLimit, 1)), IsPickablePair);
  if (outcome.stopped) {
    FUZZ_CHECK(prompter.messages() == 0);
  } else {
    FUZZ_CHECK(prompter.messages() == (outcome.succeeded ? 0 : 1));
    FUZZ_CHECK(outcome.succeeded || outcome.picks.size() <= 1);
  }
  return 0;
}
