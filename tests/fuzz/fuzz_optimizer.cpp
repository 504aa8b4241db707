// The optimizer on arbitrary dialogue, in every mode, with any pick limit, stopped at any step: the
// picks are distinct entries the dictionary may hold, within the limit and the 512-byte budget, and
// a run shows at most its one message; an accurate run that finishes picks what the plain counting
// loop picks, bytes above 0x7F included. Input: mode (3: the save's automatic run), pick limit, stop
// after (0 never), seed (2 bytes), bank count, then the texts, one a line.
#include <set>
#include <sstream>

#include "common/text_helpers.h"
#include "compression/optimizer.h"
#include "compression/smallest_dictionary.h"
#include "compression/threshold_selection.h"
#include "harness.h"
#include "rom/code_table.h"
#include "support/rom_fixture.h"

using namespace orvane;

// The accurate run read plainly: new pairs found by a linear search, each counted text by text; the picks
// and whether the run succeeds.
std::pair<std::vector<std::string>, bool> PlainAccuratePicks(const std::vector<std::vector<std::string>>& banks,
                                                             int32_t limit) {
  std::vector<std::string> pairs, picks;
  for (const auto& bank : banks)
    for (const auto& text : bank)
      for (size_t p = 0; p < text.size(); ++p)
        if (SucheEintrag(pairs, text.substr(p, 2)) < 0) pairs.push_back(text.substr(p, 2));
  std::vector<int32_t> counts(pairs.size(), 0);
  for (size_t c = 0; c < pairs.size(); ++c)
    for (const auto& bank : banks)
      for (const auto& text : bank)
        counts[c] = IsExcludedCandidate(pairs[c]) ? -1 : counts[c] + ZaehleVorkommen(text, pairs[c], true);
  const Selection plain = SelectByThreshold(counts, limit, [] { return true; });
  for (int32_t c : plain.picked) picks.push_back(pairs[c]);
  return {picks, plain.threshold >= 0};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in{data, size};
  const uint8_t mode = in.byte() % 4, limit = in.byte() % 128, stopAfter = in.byte() % 64, low = in.byte();
  const uint16_t seed = static_cast<uint16_t>(low | in.byte() << 8);
  std::vector<std::vector<std::string>> banks(in.byte() % kBankCount + 1);
  std::istringstream lines(in.rest());
  for (std::string line; banks[0].size() < 400 && std::getline(lines, line);)
    banks[banks[0].size() % banks.size()].push_back(line);
  static Document doc;
  PutBuiltInCodes(doc), TabelleErgaenzen(doc), testing::PutDialogue(doc, banks);
  testing::RecordingProgress progress(stopAfter);
  fuzz::FixedPrompter prompter(Answer::No);
  std::vector<std::string> picks;
  if (mode == 3 && SucheBesteKompression(doc, progress, prompter, seed)) FUZZ_CHECK(prompter.empty());
  for (int c = kDictionaryFirst; mode == 3 && c <= kDictionaryLast && doc.Tabelle[1][c].size() == 2; ++c)
    picks.push_back(doc.Tabelle[1][c]);
  if (mode == 2) picks = ChooseSmallestDictionary(doc, limit, progress).picks;
  const OptimizerParams params{mode ? OptimizerMode::Fast : OptimizerMode::Accurate, seed % 40 + 1, mode ? 3 : 1,
                               limit, 1, seed};
  if (mode < 2) {
    const OptimizerOutcome outcome = RunOptimizer(doc, params, progress, prompter);
    picks = outcome.picks;
    if (mode == 0 && !outcome.stopped)
      FUZZ_CHECK(PlainAccuratePicks(banks, limit) == std::pair(picks, outcome.succeeded));
  }
  size_t budget = kDictionaryEntries;
  // A frequency pick is a pair without notation, punctuation, two spaces or a line code's inner letters.
  for (const std::string& pick : picks)
    FUZZ_CHECK((budget += pick.size()) <= 512 &&
               (mode == 2 ? pick.size() <= kLongestSmallestEntry && IsSafeEntry(pick, doc)
                          : pick.size() == 2 && pick != "  " && pick != "LS" && pick != "L_" && pick != "W_" &&
                                pick != "WS" && pick.find_first_of("[]{}.,!?") == std::string::npos));
  // The limit is checked after a candidate was examined, so even a limit of 0 may see one pick.
  FUZZ_CHECK(picks.size() <= (mode == 3 ? kDictionaryEntries : mode == 2 ? limit : std::max<size_t>(limit, 1)));
  FUZZ_CHECK(std::set<std::string>(picks.begin(), picks.end()).size() == picks.size());
  const Message failed = MakeMessage("Error!", "Couldn't find an optimal compression.", Icon::Stop, Buttons::Ok, true);
  FUZZ_CHECK(prompter.empty() || prompter.shown() == testing::Shown(failed) + "\n");
  return 0;
}
