// orvane-cli as a program: the arguments each command takes, its usage errors, its exit codes and which
// stream gets what. What the commands compute is the core's and is tested there.
#include <gtest/gtest.h>

#include "common/file_helpers.h"
#include "common/progress_sink.h"
#include "project/project_file.h"
#include "support/cli_runner.h"
#include "support/scripted_prompter.h"

namespace orvane {
namespace {

using Result = testing::ProgramResult;

class Cli : public ::testing::Test {
 protected:
  // The demo ROM and its table as the program writes them, and the demo exported into a project.
  void SetUp() override {
    ASSERT_EQ(Call({"demo-rom", "-o", demo, "--table-out", table}).exitCode, 0);
    ASSERT_EQ(Call({"export", demo, "--table", table, "-o", project}).err, "");
  }

  Result Call(const std::vector<std::string>& args) { return testing::RunProgram(ORVANE_CLI_PATH, args, work.path()); }

  // The demo project with text 1 of `bank` (every text of bank 21) set to `text`, saved under `name`.
  std::string Changed(const std::string& name, int bank, const std::string& text) {
    Document doc;
    testing::ScriptedPrompter prompter;
    SilentProgress progress;
    EXPECT_EQ(LoadProjectFile(doc, project, prompter, progress), ProjectOutcome::Done);
    for (int t = 1; t <= (bank == 21 ? doc.BankInfo[bank].TextCount : 1); ++t) doc.Texte[bank][t].Aktuell = text;
    EXPECT_EQ(SaveProjectFile(doc, work.file(name), prompter, progress), ProjectOutcome::Done);
    return work.file(name);
  }

  testing::TempFolder work;
  const std::string demo = work.file("demo.smc"), table = work.file("t.tbl"), project = work.file("demo.ovp");
};

TEST_F(Cli, MistakesInTheArgumentsShowTheCommandsUsageAndExitWithTwo) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> mistakes{
      {{"export", "r.smc"}, "-o is missing"},
      {{"export", "-o", "p.ovp"}, "wrong number of arguments"},
      {{"export", "r.smc", "-o"}, "-o needs a value"},
      {{"export", "r.smc", "-o", "a", "-o", "b"}, "-o given twice"},
      {{"fit", "p.ovp", "--fast"}, "unknown option --fast"},
      {{"optimize", "p.ovp", "-o", "o.ovp", "--mode", "best"}, "--mode must be accurate, fast or smallest"},
      {{"optimize", "p.ovp", "-o", "o.ovp", "--samples", "5x"}, "--samples needs a number of 0 or more"},
      {{"optimize", "p.ovp", "-o", "o.ovp", "--seed", "soon"}, "--seed needs a whole number"},
      {{"build", "p.ovp", "-o", "x.smc", "--on-overflow", "maybe"}, "--on-overflow takes skip or stop, not maybe"},
      {{"build", "p.ovp", "-o", "x.smc", "--seed", "0"}, "--seed takes a number from 1 up, not 0"}};
  for (const auto& [args, complaint] : mistakes) {
    const Result run = Call(args);
    EXPECT_EQ(run.exitCode, 2) << complaint;
    EXPECT_TRUE(run.err.starts_with("orvane-cli " + args[0] + ": " + complaint + "\nusage: orvane-cli " + args[0]))
        << run.err;
  }
  const Result usage = Call({"export", "--help"}), help = Call({"--help"}), none = Call({}), other = Call({"frob"});
  EXPECT_EQ(usage.exitCode, 0);
  EXPECT_TRUE(usage.out.ends_with("\nusage: orvane-cli export ROM [--table FILE] [--edited-v095] -o OUT.ovp\n"));
  // The list of commands: asked for on stdout, without any argument on stderr with 2.
  EXPECT_EQ(std::tuple(help.exitCode, none.exitCode, help.out, other.exitCode), std::tuple(0, 2, none.err, 2));
  EXPECT_NE(help.out.find("\n  export "), std::string::npos);
  EXPECT_TRUE(other.err.starts_with("orvane-cli: unknown command frob\n"));
}

// The free-space report goes to stdout, every other message to stderr; the space question takes the
// answer --on-overflow gives, stopping by default, and a bank given up fails the read-back; without
// --keep-dictionary the seed given is used.
TEST_F(Cli, BuildGivesTheDemoBackAndAnswersFromItsOptions) {
  const Result built = Call({"build", project, "-o", work.file("copy.smc"), "--from", demo, "--keep-dictionary"});
  EXPECT_EQ(built.exitCode, 0);
  EXPECT_EQ(ReadWholeFile(work.file("copy.smc")), ReadWholeFile(demo));
  EXPECT_TRUE(built.out.starts_with("Free Space in bytes:\nBank1:") && built.out.find("\n\nTitles: ") < 999);
  EXPECT_TRUE(built.err.starts_with("Finished!: Data has been saved succesfully!\nTime needed:")) << built.err;
  const std::string overfull = Changed("overfull.ovp", 21, "Zuri, hold the rope tight!");
  for (const auto& [option, answer] : {std::pair<std::string, std::string>{"skip", "[OK]"}, {"stop", "[Cancel]"},
                                       {"", "[Cancel]"}}) {
    std::vector<std::string> args{"build", overfull, "-o", work.file("o.smc"), "--from", demo, "--keep-dictionary"};
    if (!option.empty()) args.insert(args.end(), {"--on-overflow", option});
    const Result run = Call(args);
    EXPECT_EQ(run.exitCode, 1) << option;
    EXPECT_TRUE(run.err.starts_with("Error!: Not enough space to save this bank!\ntextnumber: ")) << run.err;
    EXPECT_NE(run.err.find(answer), std::string::npos) << run.err;
    EXPECT_EQ(run.out.find("\nBank21:0\n") < run.out.size(), option == "skip");
    EXPECT_EQ(run.err.find("\nbank 21 text 50 reads back as") < run.err.size(), option == "skip");
  }
  for (const char* name : {"a.smc", "b.smc"})
    ASSERT_EQ(Call({"build", project, "-o", work.file(name), "--from", demo, "--seed", "11"}).exitCode, 0);
  EXPECT_EQ(ReadWholeFile(work.file("a.smc")), ReadWholeFile(work.file("b.smc")));
  EXPECT_NE(ReadWholeFile(work.file("a.smc")), ReadWholeFile(demo));
}

// A run without a user answers No to every error question: the command stops and exits with 1.
TEST_F(Cli, FailuresPrintTheMessageToStderrAndExitWithOne) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> failures{
      {{"export", work.file("none.smc"), "--table", table, "-o", work.file("x.ovp")}, "Error: 53\nLoadRom_Form\n"},
      {{"export", demo, "--table", table, "-o", work.file("none/x.ovp")}, "Error Nr. 76: Path not found\nContinue"},
      {{"optimize", project, "--mode", "fast", "--samples", "0", "-o", work.file("x.ovp")},
       "Error!: Couldn't find an optimal compression.\n"},
      {{"build", Changed("broken.ovp", 3, "{ZZ}"), "-o", work.file("b.smc")}, "Error Nr. 13: Type mismatch\nContinue"},
      {{"fit", work.file("none.ovp")}, "Error Nr. 53: File not found"},
      {{"fit", Changed("long.ovp", 5, std::string(2000, 'x') + "_")}, "bank 5 text 1: unknown character \"_\"\n"}};
  for (const auto& [args, err] : failures) {
    const Result run = Call(args);
    EXPECT_EQ(run.exitCode, 1) << args[0];
    EXPECT_TRUE(run.err.starts_with(err)) << run.err;
    EXPECT_FALSE(DateiExistiert(work.file("x.ovp")));
  }
  const Result fits = Call({"fit", work.file("long.ovp")});
  EXPECT_TRUE(fits.out.starts_with("dictionary   ") && fits.out.find("bank 5 ") < fits.out.find("DOES NOT FIT\n"));
  const Result optimized = Call({"optimize", project, "-o", work.file("o.ovp")});
  EXPECT_TRUE(optimized.exitCode == 0 && optimized.err.empty() && optimized.out.starts_with("Used memory       : "));
  EXPECT_EQ(Call({"fit", project}).exitCode, 0);
}

}  // namespace
}  // namespace orvane
