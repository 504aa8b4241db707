// orvane-cli apply-patch: applies a BPS or IPS patch; a BPS patch for another base is refused.

#include "cli_support.h"
#include "exchange/patch.h"

namespace orvane::cli {

extern const Command kApplyPatchCommand;

namespace {

int RunApplyPatch(const std::vector<std::string>& args) {
  const auto parsed = ParseArgs(kApplyPatchCommand, args, {{"-o"}, {}}, 2, {"-o"});
  if (!parsed) return kExitUsage;
  if (RefuseSameFiles(kApplyPatchCommand, {{{"-o", *parsed->value("-o")}, {"PATCH", parsed->positional[0]}}}))
    return kExitUsage;
  return RunGuarded(kApplyPatchCommand, [&] {
    ApplyPatchFile(parsed->positional[0], parsed->positional[1], *parsed->value("-o"));
    return kExitOk;
  });
}

}  // namespace

const Command kApplyPatchCommand{"apply-patch", "PATCH.bps|PATCH.ips BASE.smc -o OUT.smc",
                                 "Applies a BPS or IPS patch (a BPS patch checks its base by CRC32)", &RunApplyPatch};

}  // namespace orvane::cli
