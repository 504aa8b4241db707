// One keystroke's status figures on the bank with the most texts: the typed text is encoded, the
// sizes of the others are kept.

#include <benchmark/benchmark.h>

#include "bench/realistic_rom.h"
#include "check/fit.h"
#include "check/unwritable.h"
#include "rom/rom_loader.h"
#include "support/rom_fixture.h"

namespace orvane {
namespace {

void BM_Keystroke(benchmark::State& state) {
  Document doc;
  DecodeRomImage(doc, testing::RealisticRom().image(), 0);
  int bank = 1;
  for (int b = 1; b <= kBankCount; ++b)
    if (doc.BankInfo[b].TextCount > doc.BankInfo[bank].TextCount) bank = b;
  const Encoder encoder = SaveEncoder(doc);
  const BankFit fit(doc, encoder, bank);
  std::string typed = doc.Texte[bank][1].Aktuell;
  for (auto _ : state) {
    typed += typed.size() % 7 ? "e" : " ";  // the text grows as it is typed
    if (typed.size() > 400) typed.resize(20);
    benchmark::DoNotOptimize(fit.With(1, typed));
  }
  state.counters["texts"] = doc.BankInfo[bank].TextCount;
}
BENCHMARK(BM_Keystroke)->Unit(benchmark::kMicrosecond);

// The same keystroke in a text of characters the table cannot write: the figures name them, and the
// pane's marks find them again in the whole text (more than the one line a keystroke redraws).
void BM_KeystrokeUnwritable(benchmark::State& state) {
  Document doc;
  DecodeRomImage(doc, testing::RealisticRom().image(), 0);
  const Encoder encoder = SaveEncoder(doc);
  const BankFit fit(doc, encoder, 1);
  std::string typed;
  for (auto _ : state) {
    typed += "\xFC\xE4\xDF\xF6"[typed.size() % 4];
    if (typed.size() > 400) typed.resize(20);
    benchmark::DoNotOptimize(fit.With(1, typed));
    benchmark::DoNotOptimize(UnwritablePieces(encoder, typed));
  }
}
BENCHMARK(BM_KeystrokeUnwritable)->Unit(benchmark::kMicrosecond);

// What a bank change or a load costs before the first keystroke.
void BM_MeasureBank(benchmark::State& state) {
  Document doc;
  DecodeRomImage(doc, testing::RealisticRom().image(), 0);
  const Encoder encoder = SaveEncoder(doc);
  for (auto _ : state) benchmark::DoNotOptimize(BankFit(doc, encoder, 1));
}
BENCHMARK(BM_MeasureBank)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvane
