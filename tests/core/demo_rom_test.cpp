// The demo ROM and its table file: made the same on every run, loadable by the real loader with
// exactly the demo texts, varied enough to be a realistic full-size fixture.
#include "demo/demo_rom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <span>

#include "common/file_helpers.h"
#include "demo/demo_document.h"
#include "rom/layout.h"
#include "rom/rom_loader.h"
#include "support/rom_fixture.h"
#include "support/scripted_prompter.h"

namespace orvane {
namespace {

using testing::ScriptedPrompter;
using testing::TempFolder;

TEST(DemoRom, LoadsBackWithEveryDemoText) {
  Document expected;
  demo::MakeDemoDocument(expected);
  const std::vector<uint8_t> rom = demo::WriteDemoRom(expected);
  EXPECT_EQ(rom, demo::BuildDemoRom());  // the same on every run

  TempFolder folder;
  WriteFileAtomically(folder.file("demo.smc"), rom);
  WriteFileAtomically(folder.file("Orvane_Englisch.tbl"), demo::DemoTableFile());
  Document loaded;
  ScriptedPrompter prompter;
  ASSERT_EQ(RomLaden(loaded, RomLoadParams{folder.file("demo.smc"), 0, folder.path(), ""}, prompter),
            LoadOutcome::Loaded);
  EXPECT_TRUE(prompter.empty());

  EXPECT_EQ(loaded.Tabelle, expected.Tabelle);
  for (int b = 1; b <= kBankCount; ++b) {
    for (int t = 1; t <= loaded.BankInfo[b].TextCount; ++t) {
      ASSERT_EQ(loaded.Texte[b][t].Aktuell, expected.Texte[b][t].Aktuell) << "bank " << b << " text " << t;
      ASSERT_EQ(loaded.Texte[b][t].Original, expected.Texte[b][t].Aktuell);
    }
  }
  EXPECT_EQ(loaded.SpeicherNamen, expected.SpeicherNamen);
  EXPECT_EQ(loaded.StadtNamen, expected.StadtNamen);
  for (int i = 1; i <= kItemCount; ++i) {
    EXPECT_EQ(loaded.Items[i].Name, expected.Items[i].Name);  // padded to ten by the writer
    EXPECT_EQ(loaded.Items[i].Name.size(), 10u);
    EXPECT_EQ(loaded.Items[i].Symbol, expected.Items[i].Symbol);
  }
  for (int i = 1; i <= kItemInfoCount; ++i) EXPECT_EQ(loaded.ItemInfos[i], expected.ItemInfos[i]) << i;
  EXPECT_EQ(loaded.GegnerNamen, expected.GegnerNamen);  // padded with 0xFF, which reads as nothing
  for (int t = 0; t < kTechCount; ++t) {
    // Padded with spaces to the record's eleven bytes.
    EXPECT_EQ(loaded.TechNamen[t], expected.TechNamen[t] + std::string(11 - expected.TechNamen[t].size(), ' '));
  }
  EXPECT_EQ(loaded.TechBeschreibungen, expected.TechBeschreibungen);
}

TEST(DemoRom, NeedsItsDictionaryAndUsesEveryKindOfEntry) {
  Document doc;
  demo::MakeDemoDocument(doc);
  // Written one code per character, the large banks would not fit: the dictionary makes them fit.
  int overfull = 0;
  std::set<std::string> distinct;
  bool lineCodes = false, names = false, empty = false;
  for (int b = 1; b <= kBankCount; ++b) {
    const BankRecord& bank = doc.BankInfo[b];
    int32_t plain = 0;
    for (int t = 1; t <= bank.TextCount; ++t) {
      const std::string& text = doc.Texte[b][t].Aktuell;
      plain += static_cast<int32_t>(std::max<size_t>(text.size(), 1)) + 1;
      distinct.insert(text);
      lineCodes = lineCodes || text.find("[W_]") != std::string::npos;
      names = names || text.find("Kael") != std::string::npos;
      empty = empty || text.empty();
    }
    EXPECT_LE(plain, demo::DemoBankBudget(bank));
    if (plain > bank.DataEnd - bank.DataStart + 1) ++overfull;
  }
  EXPECT_GE(overfull, 15);
  EXPECT_GT(distinct.size(), 2500u);
  EXPECT_TRUE(lineCodes && names && empty);
  for (int code = kDictionaryFirst; code <= kDictionaryLast; ++code) EXPECT_EQ(doc.Tabelle[1][code].size(), 2u);

  std::set<int> symbols;
  for (int i = 1; i <= kItemCount; ++i) symbols.insert(doc.Items[i].Symbol);
  EXPECT_EQ(symbols, (std::set<int>{32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 255}));
  int spells = 0;
  for (const std::string& name : doc.TechNamen) spells += name.front() == '*';
  EXPECT_GT(spells, 0);
  for (const auto& list :
       {std::span<const std::string>(doc.SpeicherNamen).subspan(1),
        std::span<const std::string>(doc.StadtNamen).subspan(1), std::span<const std::string>(doc.GegnerNamen),
        std::span<const std::string>(doc.TechBeschreibungen)}) {
    for (const std::string& name : list) EXPECT_FALSE(name.empty());
  }
}

TEST(DemoRom, TableFileNamesTheLettersDigitsPunctuationAndSpace) {
  const std::string table = demo::DemoTableFile();
  for (const char* line :
       {"A0=A\r\n", "D3=z\r\n", "D4=0\r\n", "DE=!\r\n", "E2=\"\r\n", "ED=%\r\n", "EF= \r\n", "F1=...\r\n"}) {
    EXPECT_NE(table.find(line), std::string::npos) << line;
  }
  EXPECT_EQ(table.find("EE="), std::string::npos);
  EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 26 + 26 + 10 + 16 + 2);
}

}  // namespace
}  // namespace orvane
