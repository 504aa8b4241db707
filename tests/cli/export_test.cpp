#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/file_helpers.h"
#include "common/progress_sink.h"
#include "document.h"
#include "project/project_file.h"
#include "rom/layout.h"
#include "support/cli_runner.h"
#include "support/rom_fixture.h"
#include "support/scripted_prompter.h"

namespace orvane {
namespace {

using testing::Bytes;
using testing::ProgramResult;
using testing::ReadFileText;
using testing::Codes;
using testing::RomFixture;
using testing::ScriptedPrompter;
using testing::TempFolder;


class ExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RomFixture rom;
    rom.SetDictionaryEntry(0x21, Codes("the "));
    rom.SetText(1, 1, Codes("Hello[L_]World"));
    rom.SetText(1, 2, Bytes{0x21, 0xA0, 0xFF, 0x1A});  // dictionary code, "A", nothing, escape
    rom.SetText(17, 1, Bytes{0xA1, 0x1A, 0xA2});       // "B", unnamed code, "C"
    rom.SetText(21, 50, Codes("Last one."));
    rom.SetTitle(27, Codes("Save 27"));
    rom.SetLocation(1, Codes("Harbor"));
    rom.SetItem(1, 32, Codes("Potion"));
    rom.SetItem(231, 0xC5, Codes("Relic"));
    rom.SetItemInfo(242, Codes("Heals 50"));
    rom.SetEnemy(250, Codes("Slime"));
    rom.SetTech(0, Bytes{0x2F, 0xA0});
    rom.SetTechInfo(119, Codes("Fire"));
    romPath = work.file("game.smc");
    rom.WriteTo(romPath);
    tablePath = testing::WriteTableFile(work.path());
  }

  // The program runs from a folder of its own: the build puts the demo's table file beside
  // orvane-cli, and that one would be found before the one beside the ROM.
  ProgramResult Run(const std::vector<std::string>& args) {
    if (!DateiExistiert(program.file("orvane-cli")))
      std::filesystem::copy_file(ORVANE_CLI_PATH, program.file("orvane-cli"));
    return testing::RunProgram(program.file("orvane-cli"), args, streams.path());
  }

  Document LoadProjectOf(const std::string& path) {
    Document doc;
    ScriptedPrompter prompter;
    SilentProgress progress;
    EXPECT_EQ(LoadProjectFile(doc, path, prompter, progress), ProjectOutcome::Done);
    EXPECT_TRUE(prompter.empty());
    return doc;
  }

  TempFolder work;
  TempFolder streams;
  TempFolder program;
  std::string romPath;
  std::string tablePath;
};

TEST_F(ExportTest, ExportIsRepeatableAndSurvivesLoadAndSave) {
  const ProgramResult first = Run({"export", romPath, "--table", tablePath, "-o", work.file("a.ovp")});
  ASSERT_EQ(first.exitCode, 0) << first.err;
  EXPECT_EQ(first.err, "");
  const ProgramResult second = Run({"export", "-o", work.file("b.ovp"), romPath, "--table", tablePath});
  ASSERT_EQ(second.exitCode, 0) << second.err;
  const std::string exported = ReadFileText(work.file("a.ovp"));
  EXPECT_EQ(ReadFileText(work.file("b.ovp")), exported);

  // The decoding itself is pinned by the core's tests; here the table file and option reach it.
  Document doc = LoadProjectOf(work.file("a.ovp"));
  EXPECT_EQ(doc.Texte[1][1].Original, "Hello[L_]World");
  EXPECT_EQ(doc.Texte[1][2].Aktuell, "the A{1A}");
  EXPECT_EQ(doc.Texte[17][1].Aktuell, "B{1A}C");
  EXPECT_EQ(doc.Items[231].Symbol, 0xC5);
  EXPECT_EQ(doc.TechNamen[0], "*A         ");
  EXPECT_EQ(doc.Tabelle[2][0xA0], "A");

  ScriptedPrompter prompter;
  SilentProgress progress;
  ASSERT_EQ(SaveProjectFile(doc, work.file("c.ovp"), prompter, progress), ProjectOutcome::Done);
  EXPECT_EQ(ReadFileText(work.file("c.ovp")), exported);
}

TEST_F(ExportTest, EditedOptionDecodesTheLastBanksThroughTheTableFile) {
  ASSERT_EQ(Run({"export", romPath, "--edited-v095", "--table", tablePath, "-o", work.file("v.ovp")}).exitCode, 0);
  Document doc = LoadProjectOf(work.file("v.ovp"));
  EXPECT_EQ(doc.Texte[17][1].Aktuell, "BC");
  EXPECT_EQ(doc.Texte[1][2].Aktuell, "the A{1A}");
}

TEST_F(ExportTest, TableFileIsFoundBesideTheRom) {
  ASSERT_EQ(Run({"export", romPath, "-o", work.file("t.ovp")}).exitCode, 0);
  EXPECT_EQ(LoadProjectOf(work.file("t.ovp")).Texte[1][1].Aktuell, "Hello[L_]World");
}

TEST_F(ExportTest, LoadFailuresPrintTheMessageAndExitNonZero) {
  RomFixture bad;
  bad.PutBytes(kHeaderCheckFirst + 5, {0x01});
  bad.WriteTo(work.file("bad.smc"));
  ProgramResult result = Run({"export", work.file("bad.smc"), "--table", tablePath, "-o", work.file("x.ovp")});
  EXPECT_NE(result.exitCode, 0);
  EXPECT_EQ(result.err, "Bad Rom!!!: This Rom doesn't have a Header!\n");
  EXPECT_FALSE(DateiExistiert(work.file("x.ovp")));

  result = Run({"export", work.file("missing.smc"), "--table", tablePath, "-o", work.file("x.ovp")});
  EXPECT_NE(result.exitCode, 0);
  EXPECT_NE(result.err, "");
  EXPECT_FALSE(DateiExistiert(work.file("x.ovp")));

  std::filesystem::remove(tablePath);
  result = Run({"export", romPath, "-o", work.file("x.ovp")});
  EXPECT_NE(result.exitCode, 0);
  EXPECT_NE(result.err.find("Sorry!: "), std::string::npos) << result.err;
  EXPECT_FALSE(DateiExistiert(work.file("x.ovp")));
}

TEST_F(ExportTest, UnwritableOutputAnswersNoAndExitsNonZero) {
  const ProgramResult result = Run({"export", romPath, "--table", tablePath, "-o", work.file("none/p.ovp")});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, "Error Nr. 76: Path not found\nContinue program? [No]\n");
}

TEST_F(ExportTest, CommandLineMistakesShowTheUsage) {
  const std::string usage = "usage: orvane-cli export ROM [--table FILE] [--edited-v095] -o OUT.ovp\n";
  const std::vector<std::pair<std::vector<std::string>, std::string>> mistakes{
      {{"export", romPath}, "-o is missing"},
      {{"export", "-o", work.file("p.ovp")}, "wrong number of arguments"},
      {{"export", romPath, romPath, "-o", work.file("p.ovp")}, "wrong number of arguments"},
      {{"export", romPath, "-o"}, "-o needs a value"},
      {{"export", romPath, "-o", "a", "-o", "b"}, "-o given twice"},
      {{"export", romPath, "--fast", "-o", work.file("p.ovp")}, "unknown option --fast"},
  };
  for (const auto& [args, complaint] : mistakes) {
    const ProgramResult result = Run(args);
    EXPECT_EQ(result.exitCode, 2) << complaint;
    EXPECT_EQ(result.err, "orvane-cli export: " + complaint + "\n" + usage);
  }
  EXPECT_FALSE(DateiExistiert(work.file("p.ovp")));

  const ProgramResult help = Run({"export", "--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find(usage), std::string::npos);
}

TEST_F(ExportTest, HelpListsTheCommandsAndUnknownCommandsFail) {
  const ProgramResult help = Run({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("usage: orvane-cli COMMAND"), std::string::npos);
  EXPECT_NE(help.out.find("\n  export "), std::string::npos);

  const ProgramResult unknown = Run({"frobnicate"});
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_EQ(unknown.err.rfind("orvane-cli: unknown command frobnicate\n", 0), 0u);
  EXPECT_EQ(Run({}).exitCode, 2);
}

}  // namespace
}  // namespace orvane
