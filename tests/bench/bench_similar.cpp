// The similar-texts lookup the editor runs on every shown text, over the demo project: as loaded
// (nothing translated yet), and with every text translated, where each original is a candidate.
// Each iteration looks up one text, going round the whole project.

#include <benchmark/benchmark.h>

#include "demo/demo_rom.h"
#include "progress/similar_texts.h"
#include "progress/translation_progress.h"

namespace orvane {
namespace {

Document Demo(bool translated) {
  Document doc;
  demo::MakeDemoDocument(doc);
  for (const TextPlace& place : DialoguePlaces(doc))
    if (translated) doc.Texte[place.bank][place.index].Aktuell = "Translated " + std::to_string(place.index);
  StartProgress(doc);
  return doc;
}

void Lookups(benchmark::State& state, bool translated) {
  const Document doc = Demo(translated);
  const std::vector<TextPlace> places = DialoguePlaces(doc);
  const SimilarTexts index(doc);
  size_t next = 0;
  for (auto _ : state) {
    const TextPlace& place = places[next++ % places.size()];
    benchmark::DoNotOptimize(index.find(doc, place.bank, place.index));
  }
}

void BM_SimilarDemo(benchmark::State& state) { Lookups(state, false); }
BENCHMARK(BM_SimilarDemo)->Unit(benchmark::kMicrosecond);

void BM_SimilarDemoAllTranslated(benchmark::State& state) { Lookups(state, true); }
BENCHMARK(BM_SimilarDemoAllTranslated)->Unit(benchmark::kMicrosecond);

// Building the index, once per load.
void BM_SimilarIndexDemo(benchmark::State& state) {
  const Document doc = Demo(true);
  for (auto _ : state) benchmark::DoNotOptimize(SimilarTexts(doc));
}
BENCHMARK(BM_SimilarIndexDemo)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvane
