// orvane-cli optimize and fit on project files made here: the dictionary optimize stores, the memory
// it reports, repeatable fast runs, the room fit reports per area, and the mistakes and failures.
#include <gtest/gtest.h>

#include "common/file_helpers.h"
#include "common/progress_sink.h"
#include "compression/dictionary_budget.h"
#include "project/project_file.h"
#include "rom/code_table.h"
#include "support/cli_runner.h"
#include "support/dialogue_texts.h"
#include "support/rom_fixture.h"
#include "support/scripted_prompter.h"

namespace orvane {
namespace {

class DictionaryCommands : public ::testing::Test {
 protected:
  // A project whose dictionary starts with `entries` and holds "zz" in the other codes, and whose
  // dialogue is `texts` at the start of `bank`; every other text is empty (a project always has the
  // game's text counts).
  std::string WriteProject(const std::vector<std::string>& texts, const std::vector<std::string>& entries = {},
                           int bank = 1) {
    Document doc;
    PutBuiltInCodes(doc);
    TabelleErgaenzen(doc);
    for (int code = kDictionaryFirst; code <= kDictionaryLast; ++code) {
      const size_t i = static_cast<size_t>(code - kDictionaryFirst);
      doc.Tabelle[1][code] = i < entries.size() ? entries[i] : "zz";
    }
    for (size_t t = 0; t < texts.size(); ++t) doc.Texte[bank][t + 1] = TextPaar{texts[t], texts[t]};
    testing::ScriptedPrompter prompter;
    SilentProgress progress;
    EXPECT_EQ(SaveProjectFile(doc, work.file("in.ovp"), prompter, progress), ProjectOutcome::Done);
    return work.file("in.ovp");
  }

  Document Load(const std::string& path) {
    Document doc;
    testing::ScriptedPrompter prompter;
    SilentProgress progress;
    EXPECT_EQ(LoadProjectFile(doc, path, prompter, progress), ProjectOutcome::Done);
    return doc;
  }

  testing::ProgramResult Run(const std::vector<std::string>& args) {
    return testing::RunProgram(ORVANE_CLI_PATH, args, streams.path());
  }

  testing::TempFolder work;
  testing::TempFolder streams;
};

TEST_F(DictionaryCommands, AccurateRunStoresThePicksPaddedAndReportsMemory) {
  const std::string in = WriteProject({"abababababababababababababcdcdcdcdcdcdcdcdcdcdcdcdcdcdcd"});
  const auto result = Run({"optimize", in, "-o", work.file("out.ovp")});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.err, "");
  // ab 13, ba 12, cd 15, dc 14: four two-character entries and 123 empty ones.
  EXPECT_EQ(result.out, "Used memory       : 135 byte\nFree                       : 377 byte\n");
  const Document out = Load(work.file("out.ovp"));
  EXPECT_EQ(ReadDictionary(out)[0], "cd");
  EXPECT_EQ(ReadDictionary(out)[1], "dc");
  EXPECT_EQ(ReadDictionary(out)[2], "ab");
  EXPECT_EQ(ReadDictionary(out)[3], "ba");
  // The empty entries come back from the project file as their escapes.
  EXPECT_EQ(ReadDictionary(out)[4], "{25}");
  EXPECT_EQ(ReadDictionary(out)[126], "{9F}");
  EXPECT_EQ(out.Texte[1][1].Aktuell, Load(in).Texte[1][1].Aktuell);
}

TEST_F(DictionaryCommands, FastRunsRepeatWithASeedAndSmallestStaysInTheBudget) {
  const std::string in = WriteProject(testing::MakeDialogueCorpus(300, 5));
  for (const char* name : {"a.ovp", "b.ovp"})
    ASSERT_EQ(Run({"optimize", in, "--mode", "fast", "--samples", "12", "--seed", "77", "-o", work.file(name)}).exitCode, 0);
  EXPECT_EQ(ReadWholeFile(work.file("a.ovp")), ReadWholeFile(work.file("b.ovp")));

  const auto smallest = Run({"optimize", in, "--mode", "smallest", "-o", work.file("s.ovp")});
  ASSERT_EQ(smallest.exitCode, 0) << smallest.err;
  // Every slot is filled, so the dictionary stays in budget after the project round trip.
  const auto entries = ReadDictionary(Load(work.file("s.ovp")));
  for (const auto& entry : entries) EXPECT_EQ(entry.find('{'), std::string::npos) << entry;
  const int32_t used = UsedMemory(entries);
  EXPECT_LE(used, 512);
  EXPECT_EQ(smallest.out, UsedMemoryLabel(used) + "\n" + FreeMemoryLabel(used) + "\n");
}

TEST_F(DictionaryCommands, FailuresWriteNothing) {
  const std::string in = WriteProject({"[L_]", "..."});
  auto result = Run({"optimize", in, "--mode", "fast", "--samples", "0", "-o", work.file("out.ovp")});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, "Error!: Couldn't find an optimal compression.\n");
  EXPECT_FALSE(DateiExistiert(work.file("out.ovp")));

  result = Run({"optimize", work.file("missing.ovp"), "-o", work.file("out.ovp")});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err, "");
  EXPECT_FALSE(DateiExistiert(work.file("out.ovp")));
}

TEST_F(DictionaryCommands, CommandLineMistakesShowTheUsage) {
  const std::string usage =
      "usage: orvane-cli optimize PROJECT.ovp -o OUT.ovp [--mode accurate|fast|smallest] [--samples N] [--seed S]\n";
  const std::vector<std::pair<std::vector<std::string>, std::string>> mistakes{
      {{"optimize", "p.ovp"}, "-o is missing"},
      {{"optimize", "p.ovp", "-o", "o.ovp", "--mode", "best"}, "--mode must be accurate, fast or smallest"},
      {{"optimize", "p.ovp", "-o", "o.ovp", "--samples", "-1"}, "--samples needs a number of 0 or more"},
      {{"optimize", "p.ovp", "-o", "o.ovp", "--samples", "5x"}, "--samples needs a number of 0 or more"},
      {{"optimize", "p.ovp", "-o", "o.ovp", "--seed", "soon"}, "--seed needs a whole number"},
  };
  for (const auto& [args, complaint] : mistakes) {
    const auto result = Run(args);
    EXPECT_EQ(result.exitCode, 2) << complaint;
    EXPECT_EQ(result.err, "orvane-cli optimize: " + complaint + "\n" + usage);
  }
}

TEST_F(DictionaryCommands, FitReportsEveryAreaWithTheProjectsDictionary) {
  // "Hi there" is one dictionary code, "Hi" two letters: 2 + 3 bytes with terminators, and the
  // other 454 texts of bank 1 are empty texts of two bytes: 913.
  const std::string in = WriteProject({"Hi there", "Hi"}, {"Hi there"});
  const auto result = Run({"fit", in});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_NE(result.out.find("bank 1          913 of  17704 bytes, free  16791\n"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("dictionary      387 of    512 bytes, free    125\n"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("bank 21"), std::string::npos);
  EXPECT_NE(result.out.find("item infos"), std::string::npos);
  EXPECT_EQ(result.out.find("DOES NOT FIT"), std::string::npos);
  EXPECT_FALSE(DateiExistiert(work.file("out.ovp")));
}

TEST_F(DictionaryCommands, FitFailsWhenABankOverflowsOrATextCannotBeEncoded) {
  // Bank 5 holds 1973 bytes: two texts of 1001 bytes and 37 empty ones of two.
  std::string in = WriteProject({std::string(1000, 'x'), std::string(1000, 'y')}, {}, 5);
  auto result = Run({"fit", in});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.out.find("bank 5         2076 of   1973 bytes, free   -103  DOES NOT FIT\n"), std::string::npos)
      << result.out;

  in = WriteProject({"a_b"});
  result = Run({"fit", in});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("bank 1 text 1: unknown character \"_\""), std::string::npos) << result.err;

  result = Run({"fit"});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(result.err, "orvane-cli fit: wrong number of arguments\nusage: orvane-cli fit PROJECT.ovp\n");
}

}  // namespace
}  // namespace orvane
