// The optimizer on arbitrary dialogue, in every mode, with any pick limit, stopped at any step: the
// picks are distinct entries the dictionary may hold, within the limit and the 512-byte budget, and
// a run shows at most its one message. Input: mode (3: the save's automatic run), pick limit, stop
// after (0 never), seed (2 bytes), bank count, then the texts, one a line.
#include <sstream>

#include "compression/optimizer.h"
#include "compression/smallest_dictionary.h"
#include "harness.h"
#include "rom/code_table.h"
#include "support/rom_fixture.h"

using namespace orvane;

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
  fuzz::BitPrompter prompter(0);
  std::vector<std::string> picks;
  if (mode == 3 && SucheBesteKompression(doc, progress, prompter, seed)) FUZZ_CHECK(prompter.shown.empty());
  for (int c = kDictionaryFirst; mode == 3 && c <= kDictionaryLast && doc.Tabelle[1][c].size() == 2; ++c)
    picks.push_back(doc.Tabelle[1][c]);
  if (mode == 2) picks = ChooseSmallestDictionary(doc, limit, progress).picks;
  const OptimizerParams params{mode ? OptimizerMode::Fast : OptimizerMode::Accurate, seed % 40 + 1, mode ? 3 : 1,
                               limit, 1, seed};
  if (mode < 2) picks = RunOptimizer(doc, params, progress, prompter).picks;
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
  FUZZ_CHECK(prompter.showedOnly({testing::Shown(
                 MakeMessage("Error!", "Couldn't find an optimal compression.", Icon::Stop, Buttons::Ok, true))}) &&
             prompter.shown.size() <= 1);
  return 0;
}
