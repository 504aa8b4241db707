// The team exchange on the demo: PO export and import of the demo project (every dialogue text and
// name, a tenth of the dialogue translated), and the BPS patch from the demo ROM to a save of it
// with changed texts in every bank. The patch matcher's worst case: two unrelated images of the
// largest size read, where no position finds a match.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <random>

#include "demo/demo_rom.h"
#include "exchange/patch.h"
#include "exchange/po_exchange.h"
#include "support/rom_fixture.h"

namespace orvane {
namespace {

Document TranslatedDemo() {
  Document doc;
  demo::MakeDemoDocument(doc);
  for (int b = 1; b <= kBankCount; ++b)
    for (int t = 1; t <= doc.BankInfo[b].TextCount; t += 10) doc.Texte[b][t].Aktuell = "Kael: Ich komme mit.";
  return doc;
}

void BM_PoExportDemo(benchmark::State& state) {
  testing::TempFolder folder;
  const Document doc = TranslatedDemo();
  for (auto _ : state) benchmark::DoNotOptimize(ExportPo(doc, folder.file("demo.po"), {}));
}
BENCHMARK(BM_PoExportDemo)->Unit(benchmark::kMillisecond);

void BM_PoImportDemo(benchmark::State& state) {
  testing::TempFolder folder;
  ExportPo(TranslatedDemo(), folder.file("demo.po"), {});
  Document doc;
  demo::MakeDemoDocument(doc);
  for (auto _ : state) {
    PoImportPlan plan = PlanPoImport(doc, folder.file("demo.po"));
    if (plan.changes.size() < 400) state.SkipWithError("the translations did not arrive");
    Document target = doc;
    PoImportChange(target, plan).apply(target);
  }
}
BENCHMARK(BM_PoImportDemo)->Unit(benchmark::kMillisecond);

void BM_BpsCreateDemo(benchmark::State& state) {
  const std::vector<uint8_t> demo = demo::BuildDemoRom();
  Document changed = TranslatedDemo();
  const std::vector<uint8_t> saved = demo::WriteDemoRom(changed);
  size_t size = 0;
  for (auto _ : state) size = CreateBps(demo, saved).size();
  state.counters["patch bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_BpsCreateDemo)->Unit(benchmark::kMillisecond);

void BM_BpsCreateUnrelated64MiB(benchmark::State& state) {
  std::mt19937_64 rng(1);
  std::vector<uint8_t> source(64 << 20), target(64 << 20);
  for (std::vector<uint8_t>* image : {&source, &target})
    for (size_t i = 0; i < image->size(); i += 8) {
      const uint64_t bits = rng();
      for (int k = 0; k < 8; ++k) (*image)[i + k] = static_cast<uint8_t>(bits >> (8 * k));
    }
  size_t size = 0;
  for (auto _ : state) size = CreateBps(source, target).size();
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  state.counters["patch bytes"] = static_cast<double>(size);
  state.counters["peak MiB"] = static_cast<double>(usage.ru_maxrss) / 1024;  // the two images included
}
BENCHMARK(BM_BpsCreateUnrelated64MiB)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace orvane
