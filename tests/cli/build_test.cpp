// orvane-cli demo-rom and build: the demo ROM survives export and build byte for byte, a build
// never touches a byte outside the text areas, and the options steer the save's questions.
#include <gtest/gtest.h>

#include <utility>

#include "common/file_helpers.h"
#include "common/progress_sink.h"
#include "demo/demo_document.h"
#include "demo/demo_rom.h"
#include "project/project_file.h"
#include "rom/layout.h"
#include "support/cli_runner.h"
#include "support/rom_fixture.h"
#include "support/scripted_prompter.h"

namespace orvane {
namespace {

using testing::ProgramResult;
using testing::ScriptedPrompter;
using testing::TempFolder;
using Bytes = std::vector<uint8_t>;
using Range = std::pair<int32_t, int32_t>;  // first and last byte

// Every byte a save may write: pointer tables, string areas and records.
std::vector<Range> TextAreas() {
  std::vector<Range> areas{
      {kDictionaryPointers, kDictionaryData - 1},
      {kDictionaryData, kDictionaryDataEnd},
      {kTitelZeigerTabelle, kTitelDatenStart - 1},
      {kTitelDatenStart, kTitelDatenEnde - 1},
      {kStadtZeigerStart, kStadtZeigerEnde + 1},
      {kStadtDatenStart, kStadtDatenEnde - 1},
      {kItemRecords, kItemRecordsLast},
      {kEnemyRecords, kEnemyRecordsLast},
      {kTechRecords, kTechRecordsLast},
      {kItemInfoPointers, kItemInfoData - 1},
      {kItemInfoData, kItemInfoDataLast},
      {kTechInfoPointers, kTechInfoPointers + 2 * kTechInfoCount - 1},
      {kTechInfoData, kTechInfoDataLast},
  };
  for (const BankPlace& bank : kBankPlaces) {
    areas.emplace_back(bank.pointerTable, bank.pointerTable + 2 * bank.textCount - 1);
    areas.emplace_back(bank.dataStart, bank.dataEnd);
  }
  return areas;
}

std::vector<bool> InsideAreas() {
  std::vector<bool> inside(kFullImageSize, false);
  for (const auto& [first, last] : TextAreas())
    for (int32_t p = first; p <= last; ++p) inside[p] = true;
  return inside;
}

class BuildTest : public ::testing::Test {
 protected:
  void SetUp() override {
    demoRom = work.file("demo.smc");
    table = work.file("Orvane_Englisch.tbl");
    project = work.file("demo.ovp");
    const ProgramResult made = Cli({"demo-rom", "-o", demoRom, "--table-out", table});
    ASSERT_EQ(made.exitCode, 0) << made.err;
    const ProgramResult exported = Cli({"export", demoRom, "--table", table, "-o", project});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
  }

  // The exported project with a change, saved as a project of its own.
  std::string ChangedProject(const std::string& name, void (*change)(Document&)) {
    Document doc;
    ScriptedPrompter prompter;
    SilentProgress progress;
    EXPECT_EQ(LoadProjectFile(doc, project, prompter, progress), ProjectOutcome::Done);
    change(doc);
    const std::string path = work.file(name);
    EXPECT_EQ(SaveProjectFile(doc, path, prompter, progress), ProjectOutcome::Done);
    return path;
  }

  ProgramResult Cli(const std::vector<std::string>& args) {
    return testing::RunProgram(ORVANE_CLI_PATH, args, streams.path());
  }

  TempFolder work;
  TempFolder streams;
  std::string demoRom, table, project;
};

TEST_F(BuildTest, DemoRomCommandWritesTheDemoAndItsTable) {
  EXPECT_EQ(ReadWholeFile(demoRom), demo::BuildDemoRom());
  const Bytes tableBytes = ReadWholeFile(table);
  EXPECT_EQ(std::string(tableBytes.begin(), tableBytes.end()), demo::DemoTableFile());
  // The demo itself holds nothing but zeros outside the text areas and its cartridge header with the
  // vectors behind it.
  const Bytes rom = ReadWholeFile(demoRom);
  const std::vector<bool> inside = InsideAreas();
  for (int32_t p = 0; p < kFullImageSize; ++p) {
    if (!inside[p] && (p < kHeaderSize + 0xFFC0 || p >= kHeaderSize + 0x10000)) {
      ASSERT_EQ(rom[p], 0) << "at " << p;
    }
  }
}

TEST_F(BuildTest, ExportAndBuildGiveBackTheDemoAndKeepEveryOtherByte) {
  // A base that differs from the demo outside the text areas only.
  Bytes base = ReadWholeFile(demoRom);
  const std::vector<bool> inside = InsideAreas();
  for (int32_t p = 0; p < kFullImageSize; ++p)
    if (!inside[p]) base[p] = static_cast<uint8_t>(p * 7 + 3);
  const std::string basePath = work.file("base.smc");
  WriteFileAtomically(basePath, base);

  // Into a new file, which starts as a copy of the base.
  const std::string copy = work.file("copy.smc");
  const ProgramResult built = Cli({"build", project, "-o", copy, "--from", basePath, "--keep-dictionary"});
  ASSERT_EQ(built.exitCode, 0) << built.err;
  EXPECT_EQ(ReadWholeFile(copy), base);
  EXPECT_EQ(ReadWholeFile(basePath), base);
  EXPECT_EQ(built.out.rfind("Free Space in bytes:\nBank1:", 0), 0u);
  EXPECT_NE(built.out.find("\n\nTitles: "), std::string::npos);
  EXPECT_NE(built.err.find("Finished!: Data has been saved succesfully!"), std::string::npos);

  // Into an existing file in place, without --from.
  const std::string inPlace = work.file("in-place.smc");
  WriteFileAtomically(inPlace, base);
  ASSERT_EQ(Cli({"build", project, "-o", inPlace, "--keep-dictionary"}).exitCode, 0);
  EXPECT_EQ(ReadWholeFile(inPlace), base);
}

TEST_F(BuildTest, WithoutKeepDictionaryTheOptimizerPicksAgainFromTheSeed) {
  const std::string first = work.file("first.smc");
  const std::string second = work.file("second.smc");
  ASSERT_EQ(Cli({"build", project, "-o", first, "--from", demoRom, "--seed", "11"}).exitCode, 0);
  ASSERT_EQ(Cli({"build", project, "-o", second, "--from", demoRom, "--seed", "11"}).exitCode, 0);
  const Bytes a = ReadWholeFile(first);
  EXPECT_EQ(a, ReadWholeFile(second));
  // The fast pick differs from the demo's accurate one, so the dictionary area was rewritten.
  const Bytes demo = ReadWholeFile(demoRom);
  EXPECT_FALSE(
      std::equal(a.begin() + kDictionaryData, a.begin() + kDictionaryDataEnd + 1, demo.begin() + kDictionaryData));
}

TEST_F(BuildTest, OverflowIsSkippedOrStopsTheBuild) {
  const std::string overfull = ChangedProject("overfull.ovp", [](Document& doc) {
    for (int t = 1; t <= doc.BankInfo[21].TextCount; ++t) doc.Texte[21][t].Aktuell = "Zuri, hold the rope tight!";
  });
  const ProgramResult skipped = Cli({"build", overfull, "-o", work.file("skip.smc"), "--from", demoRom,
                                     "--keep-dictionary", "--on-overflow", "skip"});
  // The texts behind the given-up place no longer read back: the build says so and fails.
  EXPECT_EQ(skipped.exitCode, 1) << skipped.err;
  EXPECT_NE(skipped.err.find("bank 21 text 50 reads back as"), std::string::npos);
  EXPECT_NE(skipped.out.find("\nBank21:0\n"), std::string::npos);
  EXPECT_NE(skipped.err.find("Not enough space to save this bank!"), std::string::npos);

  const ProgramResult stopped = Cli({"build", overfull, "-o", work.file("stop.smc"), "--from", demoRom,
                                     "--keep-dictionary", "--on-overflow", "stop"});
  EXPECT_EQ(stopped.exitCode, 1);
  EXPECT_EQ(stopped.out, "");
  EXPECT_NE(stopped.err.find("[Cancel]"), std::string::npos);
  // The default is to stop rather than to give a bank up silently.
  EXPECT_EQ(Cli({"build", overfull, "-o", work.file("default.smc"), "--from", demoRom, "--keep-dictionary"}).exitCode,
            1);
}

TEST_F(BuildTest, ErrorsEndTheBuildWithAFailureCode) {
  const std::string broken = ChangedProject("broken.ovp", [](Document& doc) { doc.Texte[3][1].Aktuell = "{ZZ}"; });
  const ProgramResult failed =
      Cli({"build", broken, "-o", work.file("broken.smc"), "--from", demoRom, "--keep-dictionary"});
  EXPECT_EQ(failed.exitCode, 1);
  EXPECT_NE(failed.err.find("Error Nr. 13"), std::string::npos);

  EXPECT_EQ(Cli({"build", work.file("none.ovp"), "-o", work.file("x.smc")}).exitCode, 1);
  EXPECT_FALSE(DateiExistiert(work.file("x.smc")));
  for (const std::vector<std::string>& wrong : {std::vector<std::string>{"build", project},
                                                {"build", project, "-o", "x.smc", "--on-overflow", "maybe"},
                                                {"build", project, "-o", "x.smc", "--seed", "0"},
                                                {"build", project, "-o", "x.smc", "--seed", "7x"},
                                                {"demo-rom"}}) {
    EXPECT_EQ(Cli(wrong).exitCode, 2) << wrong.back();
  }
}

}  // namespace
}  // namespace orvane
