// orvane-cli report: the translation's progress as one HTML page for the team.

#include <cstdio>
#include <filesystem>

#include "cli_support.h"
#include "report/report_page.h"

namespace orvane::cli {

extern const Command kReportCommand;

namespace {

int RunReport(const std::vector<std::string>& args) {
  const auto parsed = ParseArgs(kReportCommand, args, {{"-o"}, {}}, 1, {"-o"});
  if (!parsed) return kExitUsage;
  const std::string& project = parsed->positional[0];
  const std::string out = *parsed->value("-o");
  if (RefuseSameFiles(kReportCommand, {{{"-o", out}, {"PROJECT", project}}})) return kExitUsage;
  Document doc;
  if (!LoadProjectQuietly(doc, project)) return kExitFailed;
  return RunGuarded(kReportCommand, [&] {
    WriteProgressReport(doc, out, {std::filesystem::path(project).stem().string(), ""});
    std::printf("%s written\n", out.c_str());
    return kExitOk;
  });
}

}  // namespace

const Command kReportCommand{"report", "PROJECT.ovp -o report.html",
                             "Writes the translation's progress, room and problems as one HTML page", &RunReport};

}  // namespace orvane::cli
