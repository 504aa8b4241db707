// orvane-cli diff: the texts and names two projects hold differently.

#include <cstdio>

#include "cli_support.h"
#include "common/cp1252.h"
#include "exchange/project_diff.h"

namespace orvane::cli {

extern const Command kDiffCommand;

namespace {

int RunDiff(const std::vector<std::string>& args) {
  const auto parsed = ParseArgs(kDiffCommand, args, {}, 2);
  if (!parsed) return kExitUsage;
  Document before, after;
  if (!LoadProjectQuietly(before, parsed->positional[0]) || !LoadProjectQuietly(after, parsed->positional[1]))
    return kExitFailed;
  const std::vector<TextChange> changes = DiffProjects(before, after);
  for (const TextChange& change : changes)
    std::printf("%s\n  - %s\n  + %s\n", change.place.c_str(), Cp1252ToUtf8(change.before).c_str(),
                Cp1252ToUtf8(change.after).c_str());
  return changes.empty() ? kExitOk : kExitFailed;
}

}  // namespace

const Command kDiffCommand{"diff", "A.ovp B.ovp",
                           "Lists the texts and names that differ (exit 0 when the projects agree, 1 when not)",
                           &RunDiff};

}  // namespace orvane::cli
