// The history's largest steps on the demo: undoing and redoing a Replace all that touches every
// dialogue text, and writing the recovery copy of the demo project, which autosave does while the
// user types.

#include <benchmark/benchmark.h>

#include "demo/demo_rom.h"
#include "editors/text_search.h"
#include "project/recovery.h"
#include "support/rom_fixture.h"

namespace orvane {
namespace {

Document Demo() {
  Document doc;
  demo::MakeDemoDocument(doc);
  return doc;
}

// Every demo text holds a lower-case "e".
Replacement ReplaceEverywhere(const Document& doc, benchmark::State& state) {
  Replacement replaced = ReplaceAll(doc, "e", "E", true);
  state.counters["texts"] = static_cast<double>(replaced.change.texts().size());
  state.counters["of"] = doc.TotalTextCount();
  return replaced;
}

// One direction timed, the other untimed between the rounds.
void BM_ReplaceAllStep(benchmark::State& state, bool undo) {
  Document doc = Demo();
  const Replacement replaced = ReplaceEverywhere(doc, state);
  const auto step = [&doc, &replaced](bool back) { back ? replaced.change.revert(doc) : replaced.change.apply(doc); };
  if (undo) step(false);
  for (auto _ : state) {
    step(undo);
    state.PauseTiming();
    step(!undo);
    state.ResumeTiming();
  }
}
BENCHMARK_CAPTURE(BM_ReplaceAllStep, undo, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReplaceAllStep, redo, false)->Unit(benchmark::kMillisecond);

void BM_WriteRecoveryCopy(benchmark::State& state) {
  testing::TempFolder folder;
  Document doc = Demo();
  ReplaceEverywhere(doc, state).change.apply(doc);
  for (auto _ : state) WriteRecoveryFiles(PrepareRecoveryCopy(doc, folder.file("demo.ovp"), "/home/u/demo.ovp", 0));
}
BENCHMARK(BM_WriteRecoveryCopy)->Unit(benchmark::kMillisecond);

// The part autosave does on the editor's thread; the writing goes to a thread of its own.
void BM_PrepareRecoveryCopy(benchmark::State& state) {
  Document doc = Demo();
  ReplaceEverywhere(doc, state).change.apply(doc);
  for (auto _ : state) benchmark::DoNotOptimize(PrepareRecoveryCopy(doc, "demo.ovp", "/home/u/demo.ovp", 0));
}
BENCHMARK(BM_PrepareRecoveryCopy)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvane
