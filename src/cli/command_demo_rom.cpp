// orvane-cli demo-rom: writes the demo ROM and its character table file.

#include <cstdio>

#include "cli_support.h"
#include "common/file_helpers.h"
#include "common/run_error.h"
#include "demo/demo_document.h"
#include "demo/demo_rom.h"

namespace orvane::cli {

extern const Command kDemoRomCommand;

namespace {

int RunDemoRom(const std::vector<std::string>& args) {
  const auto parsed = ParseArgs(kDemoRomCommand, args, {{"-o", "--table-out"}, {}}, 0, {"-o"});
  if (!parsed) return kExitUsage;
  if (RefuseSameFiles(kDemoRomCommand,
                      {{{"-o", *parsed->value("-o")}, {"--table-out", parsed->value("--table-out").value_or("")}}}))
    return kExitUsage;
  return RunGuarded(kDemoRomCommand, [&] {
    WriteFileAtomically(*parsed->value("-o"), demo::BuildDemoRom());
    if (const auto table = parsed->value("--table-out")) WriteFileAtomically(*table, demo::DemoTableFile());
    return kExitOk;
  });
}

}  // namespace

const Command kDemoRomCommand{"demo-rom", "-o DEMO.smc [--table-out Orvane_Englisch.tbl]",
                              "Writes the demo ROM (the project's own sample texts) and its table file", &RunDemoRom};

}  // namespace orvane::cli
