// orvane-cli checksum: the cartridge header's checksum against the image's, fixed on request.

#include <cstdio>

#include "cli_support.h"
#include "common/file_helpers.h"
#include "exchange/cartridge.h"

namespace orvane::cli {

extern const Command kChecksumCommand;

namespace {

int RunChecksum(const std::vector<std::string>& args) {
  const auto parsed = ParseArgs(kChecksumCommand, args, {{}, {"--fix"}}, 1);
  if (!parsed) return kExitUsage;
  const std::string& path = parsed->positional[0];
  return RunGuarded(kChecksumCommand, [&] {
    std::vector<uint8_t> rom = ReadWholeFile(path);
    const std::optional<CartridgeHeader> header = FindCartridgeHeader(rom);
    if (!header)
      return Fail(kChecksumCommand, path + ": no cartridge header found (neither at the LoROM nor at the HiROM place)");
    const uint16_t computed = ComputeChecksum(rom, *header);
    std::printf("%s header at 0x%zX: stored checksum 0x%04X, computed 0x%04X\n", MappingName(header->mapping).c_str(),
                header->position, header->storedChecksum, computed);
    if (computed == header->storedChecksum) return kExitOk;
    if (!parsed->flag("--fix")) return Fail(kChecksumCommand, "the stored checksum is wrong (--fix writes it)");
    WriteChecksum(rom, *header, computed);
    WriteFileAtomically(path, rom);
    std::printf("checksum 0x%04X and complement 0x%04X written\n", computed, computed ^ 0xFFFF);
    return kExitOk;
  });
}

}  // namespace

const Command kChecksumCommand{"checksum", "ROM [--fix]",
                               "Checks the cartridge header's checksum (exit 1 when wrong); --fix writes the right one",
                               &RunChecksum};

}  // namespace orvane::cli
