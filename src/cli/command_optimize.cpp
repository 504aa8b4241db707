// orvane-cli optimize: runs the dictionary optimizer on a project's working texts, stores the picks
// as the dictionary window's save does, and writes the project.

#include <cstdio>

#include "cli_support.h"
#include "terminal_progress.h"
#include "compression/dictionary_budget.h"
#include "compression/optimizer.h"
#include "project/project_file.h"

namespace orvane::cli {

extern const Command kOptimizeCommand;

namespace {

std::optional<OptimizerMode> ParseMode(const std::string& name) {
  if (name == "accurate") return OptimizerMode::Accurate;
  if (name == "fast") return OptimizerMode::Fast;
  if (name == "smallest") return OptimizerMode::Smallest;
  return std::nullopt;
}

int Misused(const std::string& what) {
  std::fprintf(stderr, "orvane-cli optimize: %s\n", what.c_str());
  PrintUsage(kOptimizeCommand, stderr);
  return kExitUsage;
}

int RunOptimize(const std::vector<std::string>& args) {
  const auto parsed = ParseArgs(kOptimizeCommand, args, {{"-o", "--mode", "--samples", "--seed"}, {}}, 1, {"-o"});
  if (!parsed) return kExitUsage;

  OptimizerParams params;
  const auto mode = ParseMode(parsed->value("--mode").value_or("accurate"));
  if (!mode) return Misused("--mode must be accurate, fast or smallest");
  params.mode = *mode;
  params.countingStep = params.mode == OptimizerMode::Fast ? 3 : 1;
  const auto samples = ParseNumber<int32_t>(parsed->value("--samples").value_or("20"));
  // The options window offers 0 to 20; more only makes the run longer, without end in sight.
  constexpr int32_t kMostSamples = 20;
  if (!samples || *samples < 0 || *samples > kMostSamples) return Misused("--samples takes a number from 0 to 20");
  params.samplesPerText = *samples;
  const auto seed = parsed->value("--seed") ? ParseNumber<uint64_t>(*parsed->value("--seed")) : ClockSeed();
  if (!seed) return Misused("--seed needs a whole number");
  params.seed = *seed;

  if (RefuseSameFiles(kOptimizeCommand, ProjectOutputApart(*parsed->value("-o"), {}, {"PROJECT", parsed->positional[0]})))
    return kExitUsage;
  Document doc;
  StderrPrompter prompter(Answer::No);
  TerminalProgress progress("orvane-cli optimize");
  if (LoadProjectFile(doc, parsed->positional[0], prompter, progress) != ProjectOutcome::Done) return kExitFailed;
  const OptimizerOutcome outcome = RunOptimizer(doc, params, progress, prompter);
  if (!outcome.succeeded) return kExitFailed;

  SaveDictionary(doc, outcome.picks).apply(doc);
  if (SaveProjectFile(doc, *parsed->value("-o"), prompter, progress) != ProjectOutcome::Done) return kExitFailed;
  const int32_t used = UsedMemory(ReadDictionary(doc));
  std::printf("%s\n%s\n", UsedMemoryLabel(used).c_str(), FreeMemoryLabel(used).c_str());
  return kExitOk;
}

}  // namespace

const Command kOptimizeCommand{"optimize",
                               "PROJECT.ovp -o OUT.ovp [--mode accurate|fast|smallest] [--samples N] [--seed S]",
                               "Chooses the dictionary for a project's dialogue and writes the project", &RunOptimize};

}  // namespace orvane::cli
