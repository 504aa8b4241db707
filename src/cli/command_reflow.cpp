// orvane-cli reflow: the dialogue texts whose lines or windows are too long, laid out anew.

#include <cstdio>

#include "cli_support.h"
#include "common/progress_sink.h"
#include "editors/reflow.h"
#include "project/project_file.h"

namespace orvane::cli {

extern const Command kReflowCommand;

namespace {

int RunReflow(const std::vector<std::string>& args) {
  const auto parsed = ParseArgs(kReflowCommand, args, {{"-o", "--bank"}, {}}, 1, {"-o"});
  if (!parsed) return kExitUsage;
  const std::optional<int32_t> bank = BankOption(kReflowCommand, *parsed);
  if (!bank) return kExitUsage;
  Document doc;
  if (!LoadProjectQuietly(doc, parsed->positional[0])) return kExitFailed;

  const std::vector<TextReflow> plan = PlanReflow(doc, *bank, ReflowChoice::UnfitOnly);
  ApplyChanges(doc).Commit(ReflowChange(doc, plan));
  StderrPrompter prompter(Answer::No);
  SilentProgress progress;
  if (SaveProjectFile(doc, *parsed->value("-o"), prompter, progress) != ProjectOutcome::Done) return kExitFailed;
  std::printf("texts reflowed: %zu\n", plan.size());
  return kExitOk;
}

}  // namespace

const Command kReflowCommand{"reflow", "PROJECT.ovp -o OUT.ovp [--bank N]",
                             "Lays out anew the dialogue texts whose lines or windows are too long", &RunReflow};

}  // namespace orvane::cli
