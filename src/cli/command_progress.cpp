// orvane-cli progress: how far the translation is, per bank and in total.

#include <cstdio>

#include "cli_support.h"
#include "progress/translation_progress.h"

namespace orvane::cli {

extern const Command kProgressCommand;

namespace {

void PrintRow(const std::string& label, const StatusCounts& counts) {
  std::printf("%-6s %6d", label.c_str(), counts.total());
  for (int32_t n : counts.count) std::printf(" %12d", n);
  std::printf(" %6s%%\n", counts.percentDone().c_str());
}

int RunProgress(const std::vector<std::string>& args) {
  const auto parsed = ParseArgs(kProgressCommand, args, {}, 1);
  if (!parsed) return kExitUsage;
  Document doc;
  if (!LoadProjectQuietly(doc, parsed->positional[0])) return kExitFailed;
  std::printf("%-6s %6s", "bank", "texts");
  for (int s = 0; s < kStatusCount; ++s) std::printf(" %12s", StatusName(static_cast<TextStatus>(s)).data());
  std::printf(" %7s\n", "done");
  for (int32_t bank = 1; bank <= kBankCount; ++bank) PrintRow(std::to_string(bank), CountStatuses(doc, bank));
  PrintRow("total", CountStatuses(doc, 0));
  return kExitOk;
}

}  // namespace

const Command kProgressCommand{"progress", "PROJECT.ovp",
                               "Counts the dialogue texts per status, per bank and in total (done: translated "
                               "or reviewed)",
                               &RunProgress};

}  // namespace orvane::cli
