#pragma once
// Patches between two ROM files: BPS (source-relative copies, with CRC32s that tie a patch to its
// base) and IPS (plain records, no checks). Both are made and applied in memory.

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvane {

using ByteSpan = std::span<const uint8_t>;

// A patch that cannot be made or applied; the text says why, for the user.
class PatchRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class PatchKind { Bps, Ips };

std::vector<uint8_t> CreateBps(ByteSpan source, ByteSpan target);
// Checks the patch's own CRC32 and the source's before applying, the target's after.
std::vector<uint8_t> ApplyBps(ByteSpan patch, ByteSpan source);

// Refuses changes the format cannot address (beyond 16 MiB, or a shrink to such a size).
std::vector<uint8_t> CreateIps(ByteSpan source, ByteSpan target);
std::vector<uint8_t> ApplyIps(ByteSpan patch, ByteSpan source);

std::vector<uint8_t> CreatePatch(PatchKind kind, ByteSpan source, ByteSpan target);
// Applies a BPS or an IPS patch, told apart by their first bytes.
std::vector<uint8_t> ApplyPatch(ByteSpan patch, ByteSpan source);

// IPS for a file name ending in ".ips" (any case), BPS otherwise.
PatchKind PatchKindFor(const std::string& path);

uint32_t Crc32(ByteSpan bytes);

// Makes the patch from ORIGINAL to MODIFIED (without their copier headers when `stripHeader`),
// of the kind its file name asks for, and writes it. Without `stripHeader`, a headed and a plain
// image are refused as a pair. Throws PatchRefused or RunError.
void CreatePatchFile(const std::string& original, const std::string& modified, const std::string& patchPath,
                     bool stripHeader);
// Applies the patch to BASE and writes the result to OUT; nothing is written when it is refused. A
// BPS patch made for the other kind of the same image (with or without the copier header) applies
// too, and OUT keeps BASE's kind.
void ApplyPatchFile(const std::string& patchPath, const std::string& basePath, const std::string& outPath);

}  // namespace orvane
