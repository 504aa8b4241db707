// Changes as values: applied they give the document the new values, reverted they give it back byte
// for byte (project file and companion file alike), and the workspace counts what marks it changed.

#include <gtest/gtest.h>

#include "demo/demo_rom.h"
#include "document_change.h"
#include "progress/translation_progress.h"
#include "project/companion_file.h"
#include "support/project_model.h"
#include "workspace.h"

namespace orvane {
namespace {

using testing::ProjectLines;

std::pair<testing::Lines, std::string> Files(const Document& doc) { return {ProjectLines(doc), CompanionText(doc)}; }

// One change touching every kind of value, a dialogue text and a name twice.
DocumentChange EveryKind(const Document& doc) {
  DocumentChange change("every kind");
  change.setText(doc, {TextList::Dialogue, 2, 3}, "first");
  change.setText(doc, {TextList::Dialogue, 2, 3}, "second");
  change.setText(doc, {TextList::ItemInfos, 0, 0}, "info zero");
  change.setText(doc, {TextList::Enemies, 0, 250}, "last enemy");
  change.setSymbol(doc, 7, 0x42);
  change.setProgress(doc, 21, 50, {TextStatus::Reviewed, "checked"});
  change.setDictionary(doc, std::vector<std::string>(kDictionaryEntries, "ab"), true);
  change.addWord(doc, "Kaelburg");
  change.addWord(doc, "Mira");
  return change;
}

TEST(DocumentChange, AppliedItHoldsTheNewValuesRevertedTheDocumentIsAsBefore) {
  Document doc;
  demo::MakeDemoDocument(doc);
  const auto before = Files(doc);
  const DocumentChange change = EveryKind(doc);
  DocumentChange wordOnly;
  wordOnly.addWord(doc, "Mira");
  EXPECT_EQ(std::pair(DocumentChange().empty(), wordOnly.empty()), std::pair(true, false));
  change.apply(doc);
  EXPECT_EQ(std::tuple(doc.Texte[2][3].Aktuell, doc.ItemInfos[0], doc.GegnerNamen[250], doc.Items[7].Symbol),
            std::tuple("second", "info zero", "last enemy", uint8_t{0x42}));
  EXPECT_EQ(std::tuple(ProgressOf(doc, 21, 50).status, ProgressOf(doc, 21, 50).note, doc.Tabelle[1][kDictionaryLast],
                       doc.TabelleGeaendert, doc.Progress.words.count("Mira")),
            std::tuple(TextStatus::Reviewed, "checked", "ab", true, size_t{1}));
  const auto after = Files(doc);
  change.revert(doc);
  EXPECT_EQ(Files(doc), before);
  change.apply(doc);  // again, as a redo does
  EXPECT_EQ(Files(doc), after);
}

// File dialogs open beside the project, else beside the ROM; the title names the project's file.
TEST(Workspace, FolderAndNameFollowTheProjectThenTheRom) {
  const struct { const char *project, *rom, *folder, *name; } rows[] = {
      {"", "", "", "Untitled"},
      {"", "/roms/game.smc", "/roms/", "Untitled"},
      {"/work/de.ovp", "/roms/game.smc", "/work/", "de.ovp"},
      {"de.ovp", "", "", "de.ovp"}};
  for (const auto& row : rows) {
    Workspace workspace;
    workspace.projectPath = row.project;
    workspace.RomPfadGeladen = row.rom;
    EXPECT_EQ(std::pair(WorkFolder(workspace), ProjectFileName(workspace)), std::pair(std::string(row.folder), std::string(row.name)));
  }
}

}  // namespace
}  // namespace orvane
