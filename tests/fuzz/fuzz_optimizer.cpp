// The optimizer on arbitrary dialogue: every mode, any pick limit, stopped at any step. The picks
// are distinct entries the dictionary may hold, within the limit and (smallest mode) the budget; a
// failure shows its one message; the automatic run leaves the dictionary untouched or holding its
// picks followed by empty entries. Input: mode, pick limit, stop after, seed, bank count, texts.
#include <sstream>

#include "compression/optimizer.h"
#include "compression/smallest_dictionary.h"
#include "harness.h"
#include "rom/code_table.h"
#include "support/dialogue_texts.h"

using namespace orvane;

// A pair the frequency optimizer may pick: none of the notation's or the punctuation's characters,
// not two spaces, not the inner letters of a line or window code.
bool Pickable(const std::string& pick) {
  return pick.size() == 2 && pick != "  " && pick != "LS" && pick != "L_" && pick != "W_" && pick != "WS" && pick.find_first_of("[]{}.,!?") == std::string::npos;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in{data, size};
  const uint8_t mode = in.byte() % 4, limit = in.byte() % 128, stopAfter = in.byte() % 64;  // 0: never stopped
  const uint16_t seed = static_cast<uint16_t>(in.byte() | in.byte() << 8);
  std::vector<std::vector<std::string>> banks(in.byte() % kBankCount + 1);
  std::istringstream lines(in.rest());
  for (std::string line; banks[0].size() < 400 && std::getline(lines, line);) banks[banks[0].size() % banks.size()].push_back(line);
  static Document doc;
  PutBuiltInCodes(doc), TabelleErgaenzen(doc), testing::PutDialogue(doc, banks);
  const CodeTable before = doc.Tabelle[1];
  testing::RecordingProgress progress(stopAfter);
  fuzz::BitPrompter prompter(0);
  std::vector<std::string> picks;
  size_t most = limit, budget = kDictionaryEntries;
  if (mode == 3) {
    const bool erfolg = SucheBesteKompression(doc, progress, prompter, seed);
    FUZZ_CHECK(prompter.shown.size() <= (erfolg ? 0u : 1u));
    for (int c = 0; c < kCodes; ++c) FUZZ_CHECK((c >= kDictionaryFirst && c <= kDictionaryLast) || doc.Tabelle[1][c] == before[c]);
    for (int c = kDictionaryFirst; doc.Tabelle[1] != before && c <= kDictionaryLast; ++c)
      if (!doc.Tabelle[1][c].empty()) FUZZ_CHECK(picks.size() == size_t(c - kDictionaryFirst) && Pickable(doc.Tabelle[1][c])), picks.push_back(doc.Tabelle[1][c]);
    most = kDictionaryEntries;
  } else if (mode == 2) {
    picks = ChooseSmallestDictionary(doc, limit, progress).picks;
    for (const std::string& pick : picks) FUZZ_CHECK(pick.size() <= kLongestSmallestEntry && IsSafeEntry(pick, doc)), budget += pick.size();
  } else {
    OptimizerParams params{mode ? OptimizerMode::Fast : OptimizerMode::Accurate, seed % 40 + 1, mode ? 3 : 1, limit, 1, seed};
    const OptimizerOutcome outcome = RunOptimizer(doc, params, progress, prompter);
    picks = outcome.picks;
    for (const std::string& pick : picks) FUZZ_CHECK(Pickable(pick));
    FUZZ_CHECK(prompter.shown.size() == (outcome.stopped || outcome.succeeded ? 0u : 1u));
    FUZZ_CHECK(outcome.succeeded || picks.size() <= 1);
    most = std::max<size_t>(limit, 1);  // the limit is checked after a candidate was examined
  }
  FUZZ_CHECK(picks.size() <= most && budget <= 512 && std::set<std::string>(picks.begin(), picks.end()).size() == picks.size());
  FUZZ_CHECK(prompter.showedOnly({testing::Shown(MakeMessage("Error!", "Couldn't find an optimal compression.", Icon::Stop, Buttons::Ok, true))}));
  return 0;
}
