// Encoded dialogue bytes of a full game's worth of texts with no dictionary, with the frequency pick
// (accurate mode) and with the smallest mode, and the time each choice takes: on the demo ROM's
// texts (argument 0) and on a differently worded generated corpus of the same size (argument 1).
#include <benchmark/benchmark.h>

#include "compression/dictionary_budget.h"
#include "compression/optimizer.h"
#include "demo/demo_rom.h"
#include "rom/code_table.h"
#include "support/dialogue_texts.h"
#include "support/scripted_prompter.h"
#include "writer/encoder.h"
#include "writer/write_context.h"

namespace orvane {
namespace {

void ClearDictionary(Document& doc) {
  for (int code = kDictionaryFirst; code <= kDictionaryLast; ++code) doc.Tabelle[1][code].clear();
}

const Document& Corpus(int which) {
  static const Document demoTexts = [] {
    Document doc;
    demo::MakeDemoDocument(doc);
    ClearDictionary(doc);
    return doc;
  }();
  static const Document archaic = [] {
    Document doc;
    PutBuiltInCodes(doc);
    TabelleErgaenzen(doc);
    ClearDictionary(doc);
    testing::FillAllBanks(doc, testing::MakeDialogueCorpus(doc.TotalTextCount(), 2026, testing::CorpusStyle::Archaic));
    return doc;
  }();
  return which == 0 ? demoTexts : archaic;
}

// Codes and terminators of every dialogue text under the writer's own encoder.
int64_t DialogueBytes(const Document& doc, const std::vector<std::string>& picks) {
  Document withPicks = doc;
  StoreDictionary(withPicks, picks);
  BerechneMaxLaengen(withPicks);
  const Encoder encoder(withPicks.Tabelle[1], withPicks.MaxEintragLaenge[1]);
  int64_t bytes = 0;
  std::vector<uint8_t> codes;
  for (int bank = 1; bank <= kBankCount; ++bank)
    for (int t = 1; t <= withPicks.BankInfo[bank].TextCount; ++t) {
      codes.clear();
      encoder.KodiereDialog(withPicks.Texte[bank][t].Aktuell, codes);
      bytes += static_cast<int64_t>(codes.size()) + 1;
    }
  return bytes;
}

void Measure(benchmark::State& state, OptimizerMode mode) {
  const Document& doc = Corpus(static_cast<int>(state.range(0)));
  OptimizerOutcome outcome;
  for (auto _ : state) {
    SilentProgress progress;
    testing::ScriptedPrompter prompter;
    OptimizerParams params;
    params.mode = mode;
    outcome = RunOptimizer(doc, params, progress, prompter);
  }
  state.counters["none"] = static_cast<double>(DialogueBytes(doc, {}));
  state.counters["bytes"] = static_cast<double>(DialogueBytes(doc, outcome.picks));
  state.counters["budget"] = static_cast<double>(UsedMemory(outcome.picks) + kDictionaryEntries -
                                                 static_cast<int32_t>(outcome.picks.size()));
  state.counters["entries"] = static_cast<double>(outcome.picks.size());
}

void BM_FrequencyPick(benchmark::State& state) { Measure(state, OptimizerMode::Accurate); }
void BM_SmallestMode(benchmark::State& state) { Measure(state, OptimizerMode::Smallest); }
BENCHMARK(BM_FrequencyPick)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SmallestMode)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
}  // namespace orvane
