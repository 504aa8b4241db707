// The advice rows of the problems list over the whole demo project (dialogue and descriptions): the
// spelling with a fresh checker each time (nothing known yet, the first check of a session) and a warm
// one (after the first run), and the renamed-name search with a tenth of the names renamed.

#include <benchmark/benchmark.h>

#include "check/problems.h"
#include "demo/demo_rom.h"
#include "progress/translation_progress.h"
#include "spelling/spelling_scan.h"
#include "text_places.h"

namespace orvane {
namespace {

const Document& Demo() {
  static const Document demo = [] {
    Document doc;
    demo::MakeDemoDocument(doc);
    StartProgress(doc);
    return doc;
  }();
  return demo;
}

// The advice rows with the misspelled words, as the problems list asks for them.
void AdviseWith(SpellChecker& checker) {
  SpellingScan scan(Demo(), checker);
  std::vector<ProblemRow> rows;
  AddAdvice(Demo(), &scan, rows);
  benchmark::DoNotOptimize(rows);
}

void BM_SpellDemoCold(benchmark::State& state) {
  for (auto _ : state) AdviseWith(*OpenSpellChecker("en_US"));
}
BENCHMARK(BM_SpellDemoCold)->Unit(benchmark::kMillisecond);

void BM_SpellDemoWarm(benchmark::State& state) {
  const auto checker = OpenSpellChecker("en_US");
  AdviseWith(*checker);
  for (auto _ : state) AdviseWith(*checker);
}
BENCHMARK(BM_SpellDemoWarm)->Unit(benchmark::kMillisecond);

void BM_OldNamesDemo(benchmark::State& state) {
  Document doc = Demo();
  const std::vector<TextPlace> names = NamePlaces();
  for (size_t i = 0; i < names.size(); i += 10) WorkingText(doc, names[i]) = "Renamed";
  for (auto _ : state) {
    std::vector<ProblemRow> rows;
    AddAdvice(doc, nullptr, rows);
    benchmark::DoNotOptimize(rows);
  }
}
BENCHMARK(BM_OldNamesDemo)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvane
