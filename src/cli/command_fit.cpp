// orvane-cli fit: how much room the project's texts would take in the ROM with its current
// dictionary, per dialogue bank and name area, without writing any file.

#include <cstdio>

#include "check/fit.h"
#include "cli_support.h"
#include "common/progress_sink.h"
#include "project/project_file.h"

namespace orvane::cli {

extern const Command kFitCommand;

namespace {

void PrintArea(const AreaFit& area) {
  std::printf("%-12s %6lld of %6lld bytes, free %6lld%s\n", area.name.c_str(), static_cast<long long>(area.used),
              static_cast<long long>(area.capacity), static_cast<long long>(area.free()),
              area.fits ? "" : "  DOES NOT FIT");
}

int RunFit(const std::vector<std::string>& args) {
  const auto parsed = ParseArgs(kFitCommand, args, {}, 1);
  if (!parsed) return kExitUsage;
  Document doc;
  StderrPrompter loadPrompter(Answer::No);
  SilentProgress progress;
  if (LoadProjectFile(doc, parsed->positional[0], loadPrompter, progress) != ProjectOutcome::Done) return kExitFailed;

  const FitReport report = MeasureFit(doc);
  PrintArea(report.dictionary);
  for (const AreaFit& bank : report.banks) PrintArea(bank);
  for (const AreaFit& area : report.nameAreas) PrintArea(area);
  // The texts are 8-bit; a terminal shows UTF-8.
  for (const TextFailure& failure : report.unencodable)
    std::fprintf(stderr, "%s: %s\n", PlaceName(failure.place).c_str(), ShownText(failure.reason).c_str());
  for (const OverflowNote& note : report.overflows) std::fprintf(stderr, "%s\n", ShownText(note.text).c_str());
  for (const std::string& line : report.messages) std::fprintf(stderr, "%s\n", ShownText(line).c_str());
  return report.Fits() ? kExitOk : kExitFailed;
}

}  // namespace

const Command kFitCommand{"fit", "PROJECT.ovp",
                          "Shows the room the project's texts take in each ROM area with its dictionary", &RunFit};

}  // namespace orvane::cli
