// orvane-cli diff: the texts and names two projects hold differently.

#include <cstdio>

#include "cli_support.h"
#include "exchange/project_diff.h"

namespace orvane::cli {

extern const Command kDiffCommand;

namespace {

int RunDiff(const std::vector<std::string>& args) {
  const auto parsed = ParseArgs(kDiffCommand, args, {}, 2);
  if (!parsed) return kExitUsage;
  Document projects[2];
  // Exit 1 says the projects differ, so a project that cannot be read has its own code.
  for (int i = 0; i < 2; ++i) {
    if (LoadProjectQuietly(projects[i], parsed->positional[i])) continue;
    Fail(kDiffCommand, parsed->positional[i] + " could not be read");
    return kExitUnreadable;
  }
  const std::vector<TextChange> changes = DiffProjects(projects[0], projects[1]);
  for (const TextChange& change : changes)
    std::printf("%s\n  - %s\n  + %s\n", change.place.c_str(), ShownText(change.before).c_str(),
                ShownText(change.after).c_str());
  return changes.empty() ? kExitOk : kExitFailed;
}

}  // namespace

const Command kDiffCommand{"diff", "A.ovp B.ovp",
                           "Lists the texts and names that differ (exit 0 when the projects agree, 1 when not, 3 when one "
                           "cannot be read)",
                           &RunDiff};

}  // namespace orvane::cli
