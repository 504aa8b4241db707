// Load and decode of a full-size ROM with texts in every bank: from a file through RomLaden, and
// from memory through DecodeRomImage; the game check a load makes first, on the game's image (every
// pointer read) and on a plain copy of it, which is held headed before anything else.

#include <benchmark/benchmark.h>

#include "bench/realistic_rom.h"
#include "common/file_helpers.h"
#include "document.h"
#include "rom/game_check.h"
#include "image_kind.h"
#include "rom/rom_loader.h"
#include "support/rom_fixture.h"
#include "support/scripted_prompter.h"

namespace orvane {
namespace {

using testing::RealisticRom;

const testing::RomFixture& Rom() {
  static const testing::RomFixture rom = RealisticRom();
  return rom;
}

void BM_RomLaden(benchmark::State& state) {
  testing::TempFolder folder;
  Rom().WriteTo(folder.file("game.smc"));
  testing::WriteTableFile(folder.path());
  const RomLoadParams params{{folder.file("game.smc"), 0}, "", ""};
  Document doc;
  Workspace workspace;
  testing::ScriptedPrompter prompter;
  for (auto _ : state) {
    if (RomLaden(doc, workspace, params, prompter) != LoadOutcome::Loaded) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(doc.Texte[1][1].Aktuell.data());
  }
}
BENCHMARK(BM_RomLaden)->Unit(benchmark::kMillisecond);

void BM_DecodeRomImage(benchmark::State& state) {
  Document doc;
  size_t decoded = 0;
  for (auto _ : state) {
    DecodeRomImage(doc, Rom().image(), 0);
    benchmark::DoNotOptimize(doc.Texte[1][1].Aktuell.data());
  }
  for (int b = 1; b <= kBankCount; ++b)
    for (int t = 1; t <= doc.BankInfo[b].TextCount; ++t) decoded += doc.Texte[b][t].Aktuell.size();
  state.counters["dialogue_chars"] = static_cast<double>(decoded);
}
BENCHMARK(BM_DecodeRomImage)->Unit(benchmark::kMillisecond);

void BM_GameCheck(benchmark::State& state) {
  for (auto _ : state) {
    const std::string problem = GameImageProblem(Rom().image());
    if (!problem.empty()) state.SkipWithError(problem.c_str());
  }
}
BENCHMARK(BM_GameCheck)->Unit(benchmark::kMicrosecond);

void BM_PlainImageHeld(benchmark::State& state) {
  const std::vector<uint8_t> plain = ToFileImage(Rom().image().bytes(), ImageKind::Plain);
  for (auto _ : state) benchmark::DoNotOptimize(ToHeldImage(plain, ImageKind::Plain).data());
}
BENCHMARK(BM_PlainImageHeld)->Unit(benchmark::kMicrosecond);

void BM_ReadRomFile(benchmark::State& state) {
  testing::TempFolder folder;
  Rom().WriteTo(folder.file("game.smc"));
  for (auto _ : state) benchmark::DoNotOptimize(ReadWholeFile(folder.file("game.smc")).data());
}
BENCHMARK(BM_ReadRomFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvane
