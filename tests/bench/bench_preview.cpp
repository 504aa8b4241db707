// One keystroke's preview on the longest dialogue text: the pane's lines coded as "Save" codes them and
// laid out into the game's windows (the pane's wrapping stands in for the lines the pane reports); and
// reflowing that text.

#include <benchmark/benchmark.h>

#include "bench/realistic_rom.h"
#include "editors/game_window.h"
#include "editors/reflow.h"
#include "rom/rom_loader.h"

namespace orvane {
namespace {

std::string LongestText() {
  Document doc;
  DecodeRomImage(doc, testing::RealisticRom().image(), 0);
  std::string longest;
  for (const TextPlace& place : DialoguePlaces(doc))
    if (WorkingText(doc, place).size() > longest.size()) longest = WorkingText(doc, place);
  return longest;
}

void BM_PreviewKeystroke(benchmark::State& state) {
  const std::string typed = LongestText();
  const std::vector<std::string> lines = PaneLines(typed);
  for (auto _ : state) benchmark::DoNotOptimize(LayOutGameText(StoredFromLines(lines)));
  state.counters["characters"] = static_cast<double>(typed.size());
  state.counters["lines"] = static_cast<double>(lines.size());
}
BENCHMARK(BM_PreviewKeystroke)->Unit(benchmark::kMicrosecond);

void BM_ReflowText(benchmark::State& state) {
  const std::string text = LongestText();
  for (auto _ : state) benchmark::DoNotOptimize(ReflowText(text));
}
BENCHMARK(BM_ReflowText)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvane
