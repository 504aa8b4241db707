// "Save in Rom" from end to end on the demo ROM: reading the target, the writers, and the atomic
// replacement of the 4 MiB file (flushed to disk), with the dictionary settled.

#include <benchmark/benchmark.h>

#include "common/file_helpers.h"
#include "demo/demo_rom.h"
#include "operations/save_procedure.h"
#include "support/rom_fixture.h"
#include "support/scripted_prompter.h"

namespace orvane {
namespace {

void BM_SaveInRomDemo(benchmark::State& state) {
  Document doc;
  demo::MakeDemoDocument(doc);
  testing::TempFolder folder;
  const std::string target = folder.file("demo.smc");
  WriteFileAtomically(target, demo::WriteDemoRom(doc));
  testing::FixedFileChooser chooser(target);
  SilentProgress progress;
  ApplyChanges changes(doc);
  for (auto _ : state) {
    testing::ScriptedPrompter prompter;
    doc.TabelleGeaendert = true;
    if (SaveInRom(doc, SaveParams{}, prompter, progress, chooser, changes) != SaveOutcome::Finished)
      state.SkipWithError("the save did not finish");
  }
}
BENCHMARK(BM_SaveInRomDemo)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvane
