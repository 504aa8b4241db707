// orvane-cli patch: a BPS or IPS patch from an original ROM file to a modified one.

#include "cli_support.h"
#include "exchange/patch.h"

namespace orvane::cli {

extern const Command kPatchCommand;

namespace {

int RunPatch(const std::vector<std::string>& args) {
  const auto parsed = ParseArgs(kPatchCommand, args, {{"-o"}, {"--strip-header"}}, 2, {"-o"});
  if (!parsed) return kExitUsage;
  const NamedFile out{"-o", *parsed->value("-o")};
  if (RefuseSameFiles(kPatchCommand, {{out, {"ORIGINAL", parsed->positional[0]}}, {out, {"MODIFIED", parsed->positional[1]}}}))
    return kExitUsage;
  return RunGuarded(kPatchCommand, [&] {
    CreatePatchFile(parsed->positional[0], parsed->positional[1], *parsed->value("-o"), parsed->flag("--strip-header"));
    return kExitOk;
  });
}

}  // namespace

const Command kPatchCommand{
    "patch", "ORIGINAL.smc MODIFIED.smc -o fix.bps|fix.ips [--strip-header]",
    "Makes a BPS (default) or IPS patch; --strip-header makes it for images without the copier header", &RunPatch};

}  // namespace orvane::cli
