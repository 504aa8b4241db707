// The writers' part of "Save in Rom" on a full-size image with texts in every bank (Kodiertabelle,
// dictionary, 21 banks, seven name tables), and the indexed encoder against the plain reading.

#include <benchmark/benchmark.h>

#include "bench/realistic_rom.h"
#include "rom/rom_loader.h"
#include "support/linear_encoder.h"
#include "support/rom_fixture.h"
#include "support/scripted_prompter.h"
#include "writer/encoder.h"
#include "writer/write_context.h"

namespace orvane {
namespace {

// The name form read plainly: codes of the whole text, characters without code dropped.
int32_t LinearKodiereText(const CodeTable& table, int32_t maxLength, std::string_view text,
                          std::vector<uint8_t>& bytes) {
  bytes.clear();
  for (int32_t k = 0; k < static_cast<int32_t>(text.size());) {
    const CodeMatch m = testing::LinearNaechsterCode(table, maxLength, text, k);
    if (m.code >= 0) bytes.push_back(static_cast<uint8_t>(m.code));
    k = m.next;
  }
  return static_cast<int32_t>(bytes.size());
}

// The document as a ROM load leaves it, and the image it came from.
struct Loaded {
  Loaded() : image(testing::RealisticRom().image()) {
    DecodeRomImage(doc, image, 0);
    BerechneMaxLaengen(doc);
    doc.Kodiertabelle = doc.Tabelle[1];
    for (int b = 1; b <= kBankCount; ++b)
      for (int t = 1; t <= doc.BankInfo[b].TextCount; ++t) texts.push_back(doc.Texte[b][t].Aktuell);
  }
  Document doc;
  RomImage image;
  std::vector<std::string> texts;
};

Loaded& State() {
  static Loaded loaded;
  return loaded;
}

void BM_WriteEverything(benchmark::State& state) {
  Loaded& l = State();
  testing::ScriptedPrompter prompter;
  SilentProgress progress;
  for (auto _ : state) {
    WriteContext ctx{l.doc, l.image, prompter, progress};
    ctx.progressTotal = l.doc.TotalTextCount() + 1337;
    BerechneMaxLaengen(l.doc);
    l.doc.Kodiertabelle = l.doc.Tabelle[1];
    if (SchreibeWoerterbuch(ctx) != WriteResult::Finished || SchreibeBanken(ctx) != WriteResult::Finished ||
        SchreibeNamenstabellen(ctx) != WriteResult::Finished || !prompter.empty())
      state.SkipWithError("the save did not finish quietly");
    benchmark::DoNotOptimize(l.image.bytes().data());
  }
}
BENCHMARK(BM_WriteEverything)->Unit(benchmark::kMillisecond);

void BM_EncodeDialogueIndexed(benchmark::State& state) {
  const Loaded& l = State();
  std::vector<uint8_t> bytes;
  int64_t codes = 0;
  for (auto _ : state) {
    const Encoder encoder(l.doc.Kodiertabelle, l.doc.MaxEintragLaenge[1]);
    for (const std::string& text : l.texts) codes += encoder.KodiereText(text, bytes);
  }
  state.counters["texts"] = static_cast<double>(l.texts.size());
  state.counters["codes_per_run"] = static_cast<double>(codes) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_EncodeDialogueIndexed)->Unit(benchmark::kMillisecond);

void BM_EncodeDialogueLinear(benchmark::State& state) {
  const Loaded& l = State();
  std::vector<uint8_t> bytes;
  int64_t codes = 0;
  for (auto _ : state)
    for (const std::string& text : l.texts)
      codes += LinearKodiereText(l.doc.Kodiertabelle, l.doc.MaxEintragLaenge[1], text, bytes);
  state.counters["codes_per_run"] = static_cast<double>(codes) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_EncodeDialogueLinear)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvane
