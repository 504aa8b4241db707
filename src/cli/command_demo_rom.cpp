// orvane-cli demo-rom: writes the demo ROM and its character table file.

#include <cstdio>

#include "cli_support.h"
#include "common/file_helpers.h"
#include "common/run_error.h"
#include "demo/demo_document.h"
#include "demo/demo_rom.h"
#include "image_kind.h"

namespace orvane::cli {

extern const Command kDemoRomCommand;

namespace {

int RunDemoRom(const std::vector<std::string>& args) {
  const auto parsed = ParseArgs(kDemoRomCommand, args, {{"-o", "--table-out"}, {"--headerless"}}, 0, {"-o"});
  if (!parsed) return kExitUsage;
  if (RefuseSameFiles(kDemoRomCommand,
                      {{{"-o", *parsed->value("-o")}, {"--table-out", parsed->value("--table-out").value_or("")}}}))
    return kExitUsage;
  return RunGuarded(kDemoRomCommand, [&] {
    const ImageKind kind = parsed->flag("--headerless") ? ImageKind::Plain : ImageKind::Headed;
    WriteFileAtomically(*parsed->value("-o"), ToFileImage(demo::BuildDemoRom(), kind));
    if (const auto table = parsed->value("--table-out")) WriteFileAtomically(*table, demo::DemoTableFile());
    return kExitOk;
  });
}

}  // namespace

const Command kDemoRomCommand{"demo-rom", "-o DEMO.smc [--table-out Orvane_Englisch.tbl] [--headerless]",
                              "Writes the demo ROM (the project's own sample texts; --headerless without the copier "
                              "header, as DEMO.sfc) and its table file", &RunDemoRom};

}  // namespace orvane::cli
