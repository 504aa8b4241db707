// orvane-cli: the program's file operations without the desktop, one command per file.

#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include "cli_support.h"

namespace orvane::cli {
// Each command is defined in its command_<name>.cpp.
extern const Command kExportCommand;
extern const Command kOptimizeCommand;
extern const Command kFitCommand;
extern const Command kBuildCommand;
extern const Command kDemoRomCommand;
extern const Command kPoExportCommand;
extern const Command kPoImportCommand;
extern const Command kPatchCommand;
extern const Command kApplyPatchCommand;
extern const Command kChecksumCommand;
extern const Command kDiffCommand;
extern const Command kProgressCommand;
extern const Command kSpellCommand;
extern const Command kReportCommand;
extern const Command kPreviewCommand;
extern const Command kReflowCommand;
extern const Command kSimilarCommand;
extern const Command kFillRepeatsCommand;
extern const Command kTermsCommand;
}  // namespace orvane::cli

namespace {

using orvane::cli::Command;

const Command* const kCommands[] = {
    &orvane::cli::kExportCommand,
    &orvane::cli::kOptimizeCommand,
    &orvane::cli::kFitCommand,
    &orvane::cli::kBuildCommand,
    &orvane::cli::kDemoRomCommand,
    &orvane::cli::kPoExportCommand,
    &orvane::cli::kPoImportCommand,
    &orvane::cli::kPatchCommand,
    &orvane::cli::kApplyPatchCommand,
    &orvane::cli::kChecksumCommand,
    &orvane::cli::kDiffCommand,
    &orvane::cli::kProgressCommand,
    &orvane::cli::kSpellCommand,
    &orvane::cli::kReportCommand,
    &orvane::cli::kPreviewCommand,
    &orvane::cli::kReflowCommand,
    &orvane::cli::kSimilarCommand,
    &orvane::cli::kFillRepeatsCommand,
    &orvane::cli::kTermsCommand,
};

void PrintHelp(std::FILE* out) {
  std::fprintf(out,
               "orvane-cli: the headless companion of Orvane Texteditor\n"
               "usage: orvane-cli COMMAND [options]   (orvane-cli COMMAND --help for its usage)\n"
               "       orvane-cli --version\n\n"
               "commands:\n");
  for (const Command* command : kCommands) {
    std::fprintf(out, "  %-12.*s %.*s\n", static_cast<int>(command->name.size()), command->name.data(),
                 static_cast<int>(command->summary.size()), command->summary.data());
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 1 && args[0] == "--version") {
    std::printf("orvane-cli %d.%d\n", ORVANE_VERSION_MAJOR, ORVANE_VERSION_MINOR);
    return orvane::cli::kExitOk;
  }
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    PrintHelp(args.empty() ? stderr : stdout);
    return args.empty() ? orvane::cli::kExitUsage : orvane::cli::kExitOk;
  }
  for (const Command* command : kCommands) {
    if (command->name != args[0]) continue;
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (rest.size() == 1 && (rest[0] == "--help" || rest[0] == "-h")) {
      std::printf("%.*s\n", static_cast<int>(command->summary.size()), command->summary.data());
      orvane::cli::PrintUsage(*command, stdout);
      return orvane::cli::kExitOk;
    }
    try {
      return command->run(rest);
    } catch (const std::bad_alloc&) {
      std::fprintf(stderr, "orvane-cli %s: Error Nr. 7: Out of memory\n", args[0].c_str());
      return orvane::cli::kExitFailed;
    }
  }
  std::fprintf(stderr, "orvane-cli: unknown command %s\n", args[0].c_str());
  PrintHelp(stderr);
  return orvane::cli::kExitUsage;
}
