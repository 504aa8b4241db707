// RomLaden from files: which messages it gives, what it leaves in the document on each way out.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "common/file_helpers.h"
#include "document.h"
#include "rom/rom_loader.h"
#include "support/rom_fixture.h"
#include "support/scripted_prompter.h"

namespace orvane {
namespace {

using testing::Codes;
using testing::RomFixture;
using testing::ScriptedPrompter;
using testing::TempFolder;
using testing::WriteTableFile;

class RomLoad : public ::testing::Test {
 protected:
  RomLoad() {
    fixture.SetText(1, 1, Codes("Hello[L_]world"));
    fixture.SetText(17, 1, {0xA0, 0xF0});
    fixture.SetTitle(1, Codes("Start"));
    fixture.SetItem(1, 0x0C, Codes("Potion"), 0xFF);
  }

  LoadOutcome Load(const std::string& romName = "game.smc", int16_t option = 0) {
    params.romPath = roms.file(romName);
    params.ladeOption = option;
    params.programFolder = program.path();
    return RomLaden(doc, params, prompter);
  }

  // A document that looks like it holds an earlier load with unsaved edits.
  void MarkEarlierLoad() {
    doc.Texte[1][1].Aktuell = "earlier";
    doc.Tabelle[1][0xA0] = "old";
    doc.Tabelle[2][0xA0] = "old";
    doc.Geaendert = true;
    doc.TabelleGeaendert = true;
    doc.AktuelleBank = 5;
  }

  void ExpectLoadError(const std::string& text) {
    ASSERT_EQ(prompter.messages().size(), 1u);
    const Message& m = prompter.last();
    EXPECT_EQ(m.title, "Error");
    EXPECT_EQ(m.text, text);
    EXPECT_EQ(m.buttons, Buttons::Ok);
    EXPECT_EQ(m.icon, Icon::None);
  }

  TempFolder program;
  TempFolder roms;
  RomFixture fixture;
  Document doc;
  ScriptedPrompter prompter;
  RomLoadParams params;
};

TEST_F(RomLoad, LoadsEverythingAndResetsTheFlags) {
  fixture.WriteTo(roms.file("game.smc"));
  WriteTableFile(roms.path(), testing::TypicalTableFile() + "05=X\r\n");
  MarkEarlierLoad();
  ASSERT_EQ(Load(), LoadOutcome::Loaded);
  EXPECT_TRUE(prompter.empty());
  EXPECT_EQ(doc.GewaehlteDatei, roms.file("game.smc"));
  EXPECT_EQ(doc.RomPfad, roms.file("game.smc"));
  EXPECT_EQ(doc.RomPfadGeladen, roms.file("game.smc"));
  EXPECT_EQ(doc.LadeOption, 0);
  EXPECT_FALSE(doc.Geaendert);
  EXPECT_FALSE(doc.TabelleGeaendert);
  EXPECT_EQ(doc.AktuelleBank, 1);
  EXPECT_EQ(doc.AktuellerText, 1);
  // The decoding itself is pinned by the decoder's cases.
  EXPECT_EQ(doc.Texte[1][1].Original, "Hello[L_]world");
  EXPECT_EQ(doc.Texte[17][1].Aktuell, "A{F0}");
  EXPECT_EQ(doc.Tabelle[2][0xA0], "A");
  EXPECT_EQ(doc.Tabelle[2][0x05], "[L_]");  // the file cannot change the line and window codes
  EXPECT_EQ(doc.Tabelle[2][0x0C], "[WS]");
  EXPECT_EQ(doc.Tabelle[2][0xF0], "");
  for (int c = 0; c <= 0xFE; ++c) EXPECT_FALSE(doc.Tabelle[1][c].empty()) << c;
  EXPECT_EQ(doc.Tabelle[1][0xFF], "");
}

TEST_F(RomLoad, OptionV095DecodesBanks17To21ThroughTheTableFile) {
  fixture.WriteTo(roms.file("game.smc"));
  WriteTableFile(roms.path(), "A0=Ä\r\nF0=<F0>\r\n");
  ASSERT_EQ(Load("game.smc", 1), LoadOutcome::Loaded);
  EXPECT_EQ(doc.LadeOption, 1);
  EXPECT_EQ(doc.Texte[17][1].Aktuell, "Ä<F0>");
  EXPECT_EQ(doc.Texte[1][1].Aktuell, "Hello[L_]world");
}

TEST_F(RomLoad, SecondLoadReplacesEverything) {
  fixture.SetText(2, 3, Codes("Only in the first"));
  fixture.WriteTo(roms.file("first.smc"));
  RomFixture second;
  second.SetText(1, 1, Codes("Second"));
  second.WriteTo(roms.file("second.smc"));
  WriteTableFile(roms.path(), "A0=A\r\n");
  ASSERT_EQ(Load("first.smc"), LoadOutcome::Loaded);
  EXPECT_EQ(doc.Texte[2][3].Aktuell, "Only in the first");
  doc.Texte[1][1].Aktuell = "edited";
  doc.Geaendert = true;
  doc.Texte[1][1000].Aktuell = "beyond the bank's texts";

  WriteTableFile(roms.path(), "A1=B\r\n");
  ASSERT_EQ(Load("second.smc"), LoadOutcome::Loaded);
  EXPECT_TRUE(prompter.empty());
  EXPECT_EQ(doc.Texte[1][1].Aktuell, "Second");
  EXPECT_EQ(doc.Texte[2][3].Aktuell, "");
  EXPECT_EQ(doc.Texte[1][1000].Aktuell, "");
  EXPECT_EQ(doc.SpeicherNamen[1], "");
  EXPECT_EQ(doc.Tabelle[2][0xA0], "");
  EXPECT_EQ(doc.Tabelle[2][0xA1], "B");
  EXPECT_FALSE(doc.Geaendert);
}

TEST_F(RomLoad, OnlyHeaderBytes38To118AreCheckedAndARejectedHeaderLeavesTheDocument) {
  WriteTableFile(roms.path());
  RomFixture outside = fixture;
  outside.PutBytes(0, std::vector<uint8_t>(38, 0x55));
  outside.PutBytes(119, std::vector<uint8_t>(0x200 - 119, 0x55));
  outside.WriteTo(roms.file("outside.smc"));
  EXPECT_EQ(Load("outside.smc"), LoadOutcome::Loaded);
  EXPECT_TRUE(prompter.empty());

  for (int32_t position : {38, 118}) {
    RomFixture bad = fixture;
    bad.PutBytes(position, {0x01});
    bad.WriteTo(roms.file("bad.smc"));
    MarkEarlierLoad();
    prompter = ScriptedPrompter();
    ASSERT_EQ(Load("bad.smc"), LoadOutcome::HeaderRejected) << position;
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_EQ(prompter.last().title, "Bad Rom!!!");
    EXPECT_EQ(prompter.last().text, "This Rom doesn't have a Header!");
    EXPECT_EQ(prompter.last().icon, Icon::Stop);
    EXPECT_EQ(prompter.last().buttons, Buttons::Ok);
    EXPECT_EQ(doc.RomPfad, roms.file("bad.smc"));
    EXPECT_EQ(doc.RomPfadGeladen, roms.file("bad.smc"));
    EXPECT_FALSE(doc.TabelleGeaendert);
    EXPECT_TRUE(doc.Geaendert);
    EXPECT_EQ(doc.Texte[1][1].Aktuell, "earlier");
    EXPECT_EQ(doc.Tabelle[2][0xA0], "old");
    EXPECT_EQ(doc.AktuelleBank, 5);
  }
}

TEST_F(RomLoad, TableMissingEmptiesTextsAndTable) {
  fixture.WriteTo(roms.file("game.smc"));
  MarkEarlierLoad();
  ASSERT_EQ(Load(), LoadOutcome::TableMissing);
  ASSERT_EQ(prompter.messages().size(), 1u);
  EXPECT_EQ(prompter.last().title, "Sorry!");
  EXPECT_EQ(prompter.last().text, "Eine Tabelle namens <\\Orvane_Englisch.tbl> Fehlt!");
  EXPECT_EQ(prompter.last().icon, Icon::Stop);
  EXPECT_EQ(prompter.last().buttons, Buttons::Ok);
  EXPECT_EQ(doc.Texte[1][1].Aktuell, "");
  EXPECT_EQ(doc.Tabelle[1][0xA0], "");
  EXPECT_EQ(doc.Tabelle[2][0xA0], "");
  EXPECT_TRUE(doc.Geaendert);  // left as it was: loading ended early
}

TEST_F(RomLoad, TableInTheProgramFolderWinsAndAnExplicitOneWinsOverBoth) {
  fixture.WriteTo(roms.file("game.smc"));
  WriteTableFile(roms.path(), "A0=rom folder\r\n");
  WriteTableFile(program.path(), "A0=program folder\r\n");
  ASSERT_EQ(Load(), LoadOutcome::Loaded);
  EXPECT_EQ(doc.Tabelle[2][0xA0], "program folder");

  TempFolder elsewhere;
  params.tablePath = WriteTableFile(elsewhere.path(), "A0=explicit\r\n");
  ASSERT_EQ(Load(), LoadOutcome::Loaded);
  EXPECT_EQ(doc.Tabelle[2][0xA0], "explicit");

  params.tablePath = elsewhere.file("missing.tbl");
  ASSERT_EQ(Load(), LoadOutcome::Failed);
  ExpectLoadError("53\r\nLoadRom_Form\r\nFile not found");
}

TEST_F(RomLoad, UnreadableRomEndsWithTheErrorMessage) {
  WriteTableFile(roms.path());
  for (const auto& [name, message] : std::vector<std::pair<std::string, std::string>>{
           {"missing.smc", "53\r\nLoadRom_Form\r\nFile not found"},
           {"", "75\r\nLoadRom_Form\r\nPath/File access error"}}) {  // "": the folder itself
    MarkEarlierLoad();
    prompter = ScriptedPrompter();
    ASSERT_EQ(Load(name), LoadOutcome::Failed) << name;
    ExpectLoadError(message);
    EXPECT_EQ(doc.Texte[1][1].Aktuell, "earlier");
  }
}

TEST_F(RomLoad, MalformedTableLineEndsWithTheErrorMessage) {
  fixture.WriteTo(roms.file("game.smc"));
  struct Case {
    std::string table;
    std::string message;
  };
  const Case cases[] = {
      {"A0=A\r\n5=B\r\nA2=C\r\n", "13\r\nLoadRom_Form\r\nType mismatch"},
      {"A0=A\r\n\r\nA2=C\r\n", "13\r\nLoadRom_Form\r\nType mismatch"},
      {"A0=A\r\nA1\r\n", "13\r\nLoadRom_Form\r\nType mismatch"},
      {"", "62\r\nLoadRom_Form\r\nInput past end of file"},
  };
  for (const Case& c : cases) {
    WriteTableFile(roms.path(), c.table);
    MarkEarlierLoad();
    prompter = ScriptedPrompter();
    ASSERT_EQ(Load(), LoadOutcome::Failed) << c.table;
    ExpectLoadError(c.message);
    EXPECT_EQ(doc.Tabelle[2][0xA0], c.table.empty() ? "" : "A");  // read up to the bad line
    EXPECT_EQ(doc.Tabelle[2][0xA2], "");
    EXPECT_EQ(doc.Tabelle[1][0xA0], "");  // nothing decoded
    EXPECT_EQ(doc.Texte[1][1].Aktuell, "");
  }
}

// The window clears its panes and enables the ROM commands at this point: after the header has
// passed, before the table file is looked for, never for a file that could not be read or checked.
TEST_F(RomLoad, HeaderAcceptedRunsOnlyOnceTheHeaderHasPassed) {
  struct Case {
    const char* rom;
    const char* table;  // nullptr: no table file
    LoadOutcome outcome;
    int calls;
  };
  RomFixture bad = fixture;
  bad.PutBytes(60, {0x01});
  bad.WriteTo(roms.file("bad.smc"));
  fixture.WriteTo(roms.file("game.smc"));
  const Case cases[] = {
      {"game.smc", nullptr, LoadOutcome::TableMissing, 1}, {"game.smc", "A0=A\r\n5=B\r\n", LoadOutcome::Failed, 1},
      {"game.smc", "A0=A\r\n", LoadOutcome::Loaded, 1},   {"bad.smc", "A0=A\r\n", LoadOutcome::HeaderRejected, 0},
      {"missing.smc", "A0=A\r\n", LoadOutcome::Failed, 0},
  };
  for (const Case& c : cases) {
    std::filesystem::remove(roms.file("Orvane_Englisch.tbl"));
    if (c.table) WriteTableFile(roms.path(), c.table);
    prompter = ScriptedPrompter();
    int calls = 0;
    size_t messagesBefore = 99;
    params.headerAccepted = [&] {
      ++calls;
      messagesBefore = prompter.messages().size();
      EXPECT_EQ(doc.Texte[1][1].Aktuell, "") << "texts are emptied first";
    };
    MarkEarlierLoad();
    EXPECT_EQ(Load(c.rom), c.outcome) << c.rom << " " << (c.table ? c.table : "");
    EXPECT_EQ(calls, c.calls) << c.rom;
    if (calls == 1) {
      EXPECT_EQ(messagesBefore, 0u) << "no message before it";
    }
  }
}

TEST_F(RomLoad, ShortRomFilesLoadWithEmptyTexts) {
  WriteTableFile(roms.path());
  for (int32_t size : {0, 100, 0x200, 0x370300}) {
    RomFixture cut = fixture;
    cut.Resize(size);
    cut.WriteTo(roms.file("short.smc"));
    prompter = ScriptedPrompter();
    ASSERT_EQ(Load("short.smc"), LoadOutcome::Loaded) << size;
    EXPECT_TRUE(prompter.empty());
    EXPECT_EQ(doc.Texte[1][1].Aktuell, "") << size;
    EXPECT_EQ(doc.SpeicherNamen[1], "") << size;
  }
}

TEST_F(RomLoad, BinaryFilesNeverCrash) {
  std::mt19937 random(11);
  auto noise = [&random](size_t size) {
    std::vector<uint8_t> bytes(size);
    for (auto& b : bytes) b = static_cast<uint8_t>(random());
    return bytes;
  };
  for (int round = 0; round < 3; ++round) {
    WriteFileAtomically(roms.file("Orvane_Englisch.tbl"), noise(2000));
    RomImage rom(noise(0x80000));
    for (int32_t p = 38; p <= 118; ++p) rom.SchreibeByte(p, 0);
    WriteFileAtomically(roms.file("noise.smc"), rom.bytes());
    prompter = ScriptedPrompter();
    EXPECT_EQ(Load("noise.smc"), LoadOutcome::Failed);
    EXPECT_EQ(prompter.last().title, "Error");

    WriteTableFile(roms.path());
    prompter = ScriptedPrompter();
    const LoadOutcome outcome = Load("noise.smc");
    EXPECT_TRUE(outcome == LoadOutcome::Loaded || outcome == LoadOutcome::Failed);
  }
}

}  // namespace
}  // namespace orvane
