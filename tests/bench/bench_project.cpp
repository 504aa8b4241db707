// Saving and loading a project of full size: every text and name filled with game-like lengths.

#include <benchmark/benchmark.h>

#include "document.h"
#include "project/project_file.h"
#include "support/rom_fixture.h"
#include "support/scripted_prompter.h"

namespace orvane {
namespace {

Document FullDocument() {
  Document doc;
  const std::string sentence = "Kael looked at the harbor.[L_]The ship had not come back yet...";
  for (int c = 0; c < kCodes; ++c) doc.Tabelle[1][c] = doc.Tabelle[2][c] = "the ";
  for (int b = 1; b <= kBankCount; ++b)
    for (int t = 1; t <= doc.BankInfo[b].TextCount; ++t)
      doc.Texte[b][t] = {sentence + std::to_string(t), sentence};
  for (auto& name : doc.StadtNamen) name = "Harbor Town";
  for (auto& item : doc.Items) item = {"Potion    ", 32};
  for (auto& info : doc.ItemInfos) info = "Heals 50 HP of one ally";
  for (auto& enemy : doc.GegnerNamen) enemy = "Slime";
  for (auto& tech : doc.TechNamen) tech = "Fire       ";
  for (auto& info : doc.TechBeschreibungen) info = "Burns one enemy";
  return doc;
}

void BM_SaveProjectFile(benchmark::State& state) {
  testing::TempFolder folder;
  Document doc = FullDocument();
  testing::ScriptedPrompter prompter;
  SilentProgress progress;
  for (auto _ : state) {
    if (SaveProjectFile(doc, folder.file("p.ovp"), prompter, progress) != ProjectOutcome::Done)
      state.SkipWithError("save failed");
  }
}
BENCHMARK(BM_SaveProjectFile)->Unit(benchmark::kMillisecond);

void BM_LoadProjectFile(benchmark::State& state) {
  testing::TempFolder folder;
  Document source = FullDocument();
  testing::ScriptedPrompter prompter;
  SilentProgress progress;
  SaveProjectFile(source, folder.file("p.ovp"), prompter, progress);
  Document doc;
  for (auto _ : state) {
    if (LoadProjectFile(doc, folder.file("p.ovp"), prompter, progress) != ProjectOutcome::Done)
      state.SkipWithError("load failed");
  }
}
BENCHMARK(BM_LoadProjectFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvane
