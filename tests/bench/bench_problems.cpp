// The problems list of a whole document, as every "Save" recomputes it: a loaded image, and the same
// with a problem of every kind planted.

#include <benchmark/benchmark.h>

#include "bench/realistic_rom.h"
#include "check/problems.h"
#include "rom/rom_loader.h"
#include "support/rom_fixture.h"

namespace orvane {
namespace {

void BM_Problems(benchmark::State& state) {
  Document doc;
  DecodeRomImage(doc, testing::RealisticRom().image(), 0);
  if (state.range(0)) {
    doc.Texte[1][1].Aktuell = "a_b{ZZ}";
    doc.Texte[2][2].Aktuell = std::string(20000, 'z');
    doc.Items[3].Name = "Excalibur II";
    doc.Tabelle[1][0x21] = std::string(250, 'q');
  }
  size_t rows = 0;
  for (auto _ : state) rows = FindProblems(doc).size();
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_Problems)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvane
