// orvane-cli fill-repeats: each translation carried over to the untranslated texts with the same original.

#include <cstdio>

#include "cli_support.h"
#include "common/progress_sink.h"
#include "progress/repeat_fill.h"
#include "project/project_file.h"

namespace orvane::cli {

extern const Command kFillRepeatsCommand;

namespace {

int RunFillRepeats(const std::vector<std::string>& args) {
  const auto parsed = ParseArgs(kFillRepeatsCommand, args, {{"-o"}, {}}, 1, {"-o"});
  if (!parsed) return kExitUsage;
  Document doc;
  if (!LoadProjectQuietly(doc, parsed->positional[0])) return kExitFailed;
  DocumentChange filled = FillAllRepeats(doc);
  const size_t count = filled.texts().size();
  ApplyChanges(doc).Commit(std::move(filled));
  StderrPrompter prompter(Answer::No);
  SilentProgress progress;
  if (SaveProjectFile(doc, *parsed->value("-o"), prompter, progress) != ProjectOutcome::Done) return kExitFailed;
  std::printf("%zu texts filled\n", count);
  return kExitOk;
}

}  // namespace

const Command kFillRepeatsCommand{
    "fill-repeats", "PROJECT.ovp -o OUT.ovp",
    "Gives each untranslated text the translation of the best text with the same original (as a draft)",
    &RunFillRepeats};

}  // namespace orvane::cli
