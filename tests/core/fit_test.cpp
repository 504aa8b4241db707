// The fit measurement against the writers it stands for, the live figures of a bank against the
// whole measurement, and the problems list with one planted problem of each kind.

#include <gtest/gtest.h>

#include <random>

#include "check/fit.h"
#include "check/problems.h"
#include "common/progress_sink.h"
#include "demo/demo_rom.h"
#include "rom/rom_loader.h"
#include "support/realistic_rom.h"
#include "support/scripted_prompter.h"
#include "writer/save_report.h"
#include "writer/write_context.h"

namespace orvane {
namespace {

const Document& Realistic() {
  static const Document doc = [] {
    Document d;
    DecodeRomImage(d, testing::RealisticRom().image(), 0);
    return d;
  }();
  return doc;
}

TEST(Fit, BanksUseWhatTheBankWriterLeaves) {
  Document doc = Realistic();
  for (const bool overfullDictionary : {false, true}) {
    if (overfullDictionary) doc.Tabelle[1][0x21] = std::string(250, 'q');  // the last entries are dropped
    const FitReport report = MeasureFit(doc);
    Document written = doc;
    RomImage image(std::vector<uint8_t>(kFullImageSize, 0));
    testing::ScriptedPrompter prompter;
    SilentProgress progress;
    WriteContext ctx{written, image, prompter, progress};
    BerechneMaxLaengen(written);
    written.Kodiertabelle = written.Tabelle[1];
    SchreibeWoerterbuch(ctx);
    ASSERT_EQ(SchreibeBanken(ctx), WriteResult::Finished);
    EXPECT_EQ(report.dictionary.fits, !overfullDictionary);
    EXPECT_EQ(report.overflows.empty(), !overfullDictionary);
    for (int b = 1; b <= kBankCount; ++b) {
      const AreaFit& bank = report.banks[b - 1];
      ASSERT_TRUE(bank.fits) << bank.name;
      EXPECT_EQ(bank.free(), ctx.FreierPlatz[b]) << bank.name;
    }
  }
}

// Random edits of the bank with the most texts, typed and then saved: the live figures always equal
// a whole measurement of the document with the typed text stored, and the count of changed texts.
TEST(Fit, LiveFiguresFollowTheWholeMeasurement) {
  Document doc = Realistic();
  int bank = 1;
  for (int b = 1; b <= kBankCount; ++b)
    if (doc.BankInfo[b].TextCount > doc.BankInfo[bank].TextCount) bank = b;
  const Encoder encoder = SaveEncoder(doc);
  BankFit live(doc, encoder, bank);
  std::mt19937 random(7);
  const std::string pieces[] = {"Kael", "the ", "[L_]", "x", "{1A}", "{ZZ}", "_", "..."};
  for (int edit = 0; edit < 12; ++edit) {
    const int text = 1 + static_cast<int>(random() % doc.BankInfo[bank].TextCount);
    std::string typed = edit % 4 == 0 ? doc.Texte[bank][text].Original : doc.Texte[bank][text].Aktuell;
    for (int n = random() % 40; n > 0; --n) typed.insert(random() % (typed.size() + 1), pieces[random() % 8]);
    const BankFit::Figures figures = live.With(text, typed);
    Document stored = doc;
    stored.Texte[bank][text].Aktuell = typed;
    int changed = 0;
    for (int t = 1; t <= doc.BankInfo[bank].TextCount; ++t)
      changed += stored.Texte[bank][t].Aktuell != stored.Texte[bank][t].Original;
    const AreaFit whole = MeasureFit(stored).banks[bank - 1];
    ASSERT_EQ(figures.used, whole.used) << typed;
    ASSERT_EQ(figures.free(), whole.free());
    ASSERT_EQ(figures.changed, changed);
    if (edit % 2 == 0) {  // "Save"
      doc.Texte[bank][text].Aktuell = typed;
      live.Refresh(text);
    }
  }
}

TEST(Problems, OneRowForEachKindOfProblem) {
  Document doc;
  demo::MakeDemoDocument(doc);
  ASSERT_TRUE(FindProblems(doc).empty());
  doc.Texte[1][1].Aktuell = "a_b";
  doc.Texte[1][2].Aktuell = "x{ZZ}y";
  doc.Texte[1][3].Aktuell.clear();
  for (int line = 0; line < 256; ++line) doc.Texte[1][3].Aktuell += "A[L_]";
  doc.Texte[2][4].Aktuell = std::string(20000, 'z');
  doc.Items[3].Name = "Excalibur II";
  doc.GegnerNamen[7] = "{00}";
  for (int i = 1; i <= kLocationCount; ++i) doc.StadtNamen[i] = "A far too long location name";
  doc.Tabelle[1][0x21] = std::string(250, 'q');
  std::vector<ProblemRow> rows = FindProblems(doc);
  const std::vector<ProblemRow> readBack = ReadBackProblems(doc, {{"item 17 name", "Rope", "Rop"}});
  rows.insert(rows.end(), readBack.begin(), readBack.end());
  std::string seen;
  for (const ProblemRow& row : rows)
    if (seen.find(std::string(KindName(row.kind))) == std::string::npos)
      seen += std::string(KindName(row.kind)) + ": " + row.where + (row.place ? "" : " -") + ": " + row.reason + "\n";
  EXPECT_EQ(seen,
            "Dictionary: dictionary -: takes 629 of its 512 bytes\n"
            "Overflow: location 48: does not fit into its area\n"
            "Character: bank 1 text 1: the character \"_\" has no code in the table\n"
            "Escape: bank 1 text 2: the brace group \"{ZZ}\" is no escape (an escape is { and two hex digits and })\n"
            "Lines: bank 1 text 3: it has 257 lines; \"Save\" keeps the first 255\n"
            "Too long: item 3 name: longer than 10 characters (12)\n"
            "Read-back: item 17 name: reads back as \"Rop\" instead of \"Rope\"\n");
  const auto bankRow = std::find_if(rows.begin(), rows.end(), [](const ProblemRow& r) { return r.where == "bank 2 text 4"; });
  ASSERT_NE(bankRow, rows.end());
  EXPECT_EQ(bankRow->reason.substr(0, 7), "bank 2 ");
  // The save's report keeps the entries left out apart from those cut.
  for (const bool cutToo : {false, true}) {
    std::vector<OverflowNote> notes = {{"Savetitle 3 did not fit", {}, false}};
    if (cutToo) notes.push_back({"Item 1 is longer than 10 characters; its first 10 were written", {}, true});
    EXPECT_EQ(OverflowMessage(notes).text,
              "These entries did not fit into their areas and were not written:\r\nSavetitle 3 did not fit" +
                  std::string(cutToo ? "\r\n\r\nThese entries were cut to fit: only their first characters were "
                                       "written:\r\nItem 1 is longer than 10 characters; its first 10 were written"
                                     : ""));
  }
}

}  // namespace
}  // namespace orvane
