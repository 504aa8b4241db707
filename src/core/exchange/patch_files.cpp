#include <zlib.h>

#include <cstring>

#include "common/file_helpers.h"
#include "exchange/cartridge.h"
#include "exchange/patch.h"

namespace orvane {

namespace {

// A patch between two images of the largest size may hold the whole target as plain bytes, with a
// few bytes of its own around them.
constexpr uint64_t kLargestPatch = kLargestImage + (uint64_t{1} << 20);

bool EndsWithIps(const std::string& path) {
  if (path.size() < 4) return false;
  std::string end = path.substr(path.size() - 4);
  for (char& c : end) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return end == ".ips";
}

ByteSpan WithoutCopierHeader(const std::vector<uint8_t>& file) {
  return ByteSpan(file).subspan(CopierHeaderSize(file.size()));
}

}  // namespace

uint32_t Crc32(ByteSpan bytes) { return static_cast<uint32_t>(crc32_z(0, bytes.data(), bytes.size())); }

PatchKind PatchKindFor(const std::string& path) { return EndsWithIps(path) ? PatchKind::Ips : PatchKind::Bps; }

std::vector<uint8_t> CreatePatch(PatchKind kind, ByteSpan source, ByteSpan target) {
  return kind == PatchKind::Ips ? CreateIps(source, target) : CreateBps(source, target);
}

std::vector<uint8_t> ApplyPatch(ByteSpan patch, ByteSpan source) {
  if (patch.size() >= 4 && std::memcmp(patch.data(), "BPS1", 4) == 0) return ApplyBps(patch, source);
  if (patch.size() >= 5 && std::memcmp(patch.data(), "PATCH", 5) == 0) return ApplyIps(patch, source);
  throw PatchRefused("This is neither a BPS nor an IPS patch.");
}

void CreatePatchFile(const std::string& original, const std::string& modified, const std::string& patchPath,
                     bool stripHeader) {
  const std::vector<uint8_t> source = ReadWholeFile(original);
  const std::vector<uint8_t> target = ReadWholeFile(modified);
  const ByteSpan from = stripHeader ? WithoutCopierHeader(source) : ByteSpan(source);
  const ByteSpan to = stripHeader ? WithoutCopierHeader(target) : ByteSpan(target);
  WriteFileAtomically(patchPath, CreatePatch(PatchKindFor(patchPath), from, to));
}

void ApplyPatchFile(const std::string& patchPath, const std::string& basePath, const std::string& outPath) {
  const std::vector<uint8_t> patch = ReadWholeFile(patchPath, kLargestPatch);
  const std::vector<uint8_t> base = ReadWholeFile(basePath);
  std::vector<uint8_t> result;
  try {
    result = ApplyPatch(patch, base);
  } catch (const PatchRefused& refused) {
    // The most common wrong base: the right ROM, but with its copier header.
    if (CopierHeaderSize(base.size()) == 0) throw;
    try {
      ApplyPatch(patch, WithoutCopierHeader(base));
    } catch (const PatchRefused&) {
      throw refused;
    }
    throw PatchRefused(std::string(refused.what()) +
                       " It fits this ROM without its 512-byte copier header: remove the header first.");
  }
  WriteFileAtomically(outPath, result);
}

}  // namespace orvane
