// One keystroke's preview: the pane's lines coded as "Save" codes them and laid out into the game's
// windows (the pane's wrapping stands in for the lines the pane reports), on the demo's longest text and
// on the longest text "Save" reads (255 lines, all full); and reflowing each.

#include <benchmark/benchmark.h>

#include "demo/demo_document.h"
#include "editors/game_window.h"
#include "editors/reflow.h"

namespace orvane {
namespace {

std::string Text(int64_t which) {
  if (which == 1) {
    std::string full;  // 255 lines of 42 columns once wrapped
    for (int line = 0; line < 255; ++line) full += "Kael said that the old tower by the sea is ";
    return full.substr(0, full.size() - 1);
  }
  Document doc;
  demo::FillDemoDocument(doc);
  std::string longest;
  for (const TextPlace& place : DialoguePlaces(doc))
    if (WorkingText(doc, place).size() > longest.size()) longest = WorkingText(doc, place);
  return longest;
}

void BM_PreviewKeystroke(benchmark::State& state) {
  const std::string typed = Text(state.range(0));
  const std::vector<std::string> lines = PaneLines(typed);
  for (auto _ : state) benchmark::DoNotOptimize(LayOutGameText(StoredFromLines(lines)));
  state.counters["characters"] = static_cast<double>(typed.size());
  state.counters["lines"] = static_cast<double>(lines.size());
}
BENCHMARK(BM_PreviewKeystroke)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_ReflowText(benchmark::State& state) {
  const std::string text = Text(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(ReflowText(text));
}
BENCHMARK(BM_ReflowText)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvane
