// The frequency optimizer on the demo ROM's dialogue (4717 texts): accurate mode with its
// one-pass counting, the same selection counted the plain way (ZaehleVorkommen per candidate and
// text), and fast mode with 20 samples per text.
#include <benchmark/benchmark.h>

#include <unordered_map>

#include "common/text_helpers.h"
#include "compression/optimizer.h"
#include "compression/threshold_selection.h"
#include "demo/demo_rom.h"
#include "support/scripted_prompter.h"

namespace orvane {
namespace {

const Document& Corpus() {
  static const Document doc = [] {
    Document d;
    demo::MakeDemoDocument(d);
    return d;
  }();
  return doc;
}

void BM_AccurateOneCountingPass(benchmark::State& state) {
  const Document& doc = Corpus();
  for (auto _ : state) {
    SilentProgress progress;
    testing::ScriptedPrompter prompter;
    auto outcome = RunOptimizer(doc, OptimizerParams{}, progress, prompter);
    benchmark::DoNotOptimize(outcome);
    state.counters["picks"] = static_cast<double>(outcome.picks.size());
  }
}
BENCHMARK(BM_AccurateOneCountingPass)->Unit(benchmark::kMillisecond);

void BM_AccuratePlainCountingLoop(benchmark::State& state) {
  const Document& doc = Corpus();
  for (auto _ : state) {
    std::vector<std::string> candidates;
    std::unordered_map<std::string, size_t> known;
    for (int bank = 1; bank <= kBankCount; ++bank)
      for (int t = 1; t <= doc.BankInfo[bank].TextCount; ++t) {
        const std::string& text = doc.Texte[bank][t].Aktuell;
        for (size_t p = 0; p < text.size(); ++p)
          if (known.emplace(text.substr(p, 2), candidates.size()).second) candidates.push_back(text.substr(p, 2));
      }
    std::vector<int32_t> counts(candidates.size(), 0);
    for (int bank = 1; bank <= kBankCount; ++bank)
      for (int t = 1; t <= doc.BankInfo[bank].TextCount; ++t)
        for (size_t c = 0; c < candidates.size(); ++c)
          counts[c] += ZaehleVorkommen(doc.Texte[bank][t].Aktuell, candidates[c], true);
    for (size_t c = 0; c < candidates.size(); ++c)
      if (IsExcludedCandidate(candidates[c])) counts[c] = -1;
    auto selection = SelectByThreshold(counts, 127, [] { return true; });
    benchmark::DoNotOptimize(selection);
    state.counters["candidates"] = static_cast<double>(candidates.size());
  }
}
BENCHMARK(BM_AccuratePlainCountingLoop)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Fast20Samples(benchmark::State& state) {
  const Document& doc = Corpus();
  uint64_t seed = 1;
  for (auto _ : state) {
    SilentProgress progress;
    testing::ScriptedPrompter prompter;
    OptimizerParams params;
    params.mode = OptimizerMode::Fast;
    params.samplesPerText = 20;
    params.countingStep = 3;
    params.seed = seed++;
    auto outcome = RunOptimizer(doc, params, progress, prompter);
    benchmark::DoNotOptimize(outcome);
  }
}
BENCHMARK(BM_Fast20Samples)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvane
