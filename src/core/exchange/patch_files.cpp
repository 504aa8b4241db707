#include <zlib.h>

#include <cstring>

#include "common/file_helpers.h"
#include "exchange/cartridge.h"
#include "exchange/patch.h"
#include "image_kind.h"
#include "layout.h"

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

// A patch between a headed and a plain image would move every byte by the header as well as change
// the texts, and fit neither kind of base afterwards.
void RefuseMixedKinds(const std::string& original, size_t originalSize, const std::string& modified,
                      size_t modifiedSize) {
  const std::optional<ImageKind> from = KindForSize(originalSize), to = KindForSize(modifiedSize);
  if (!from || !to || *from == *to) return;
  throw PatchRefused("\"" + original + "\" is a ROM image " + KindWords(*from) + " and \"" + modified + "\" one " +
                     KindWords(*to) + ": make both the same kind first (orvane-cli build --header add|strip), or "
                     "give --strip-header to make the patch for images without the header.");
}

// The patch applied to the other kind of the same image: behind the header a plain image lacks (an
// empty one, as every clean header is), or to a headed image without its header, which is kept.
// Only a BPS patch can tell whether that fits; an IPS patch applies to any file.
std::optional<std::vector<uint8_t>> ApplyToOtherKind(ByteSpan patch, const std::vector<uint8_t>& base) {
  const std::optional<ImageKind> kind = KindForSize(base.size());
  const bool headed = kind ? *kind == ImageKind::Headed : CopierHeaderSize(base.size()) > 0;
  try {
    if (headed) {
      std::vector<uint8_t> result(base.begin(), base.begin() + kHeaderSize);
      const std::vector<uint8_t> behind = ApplyPatch(patch, WithoutCopierHeader(base));
      result.insert(result.end(), behind.begin(), behind.end());
      return result;
    }
    if (kind) return ToFileImage(ApplyPatch(patch, ToHeldImage(base, ImageKind::Plain)), ImageKind::Plain);
  } catch (const PatchRefused&) {
  }
  return std::nullopt;
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
  if (!stripHeader) RefuseMixedKinds(original, source.size(), modified, target.size());
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
  } catch (const PatchRefused&) {
    // The most common other base: the right ROM, but of the other kind. The result keeps the base's.
    std::optional<std::vector<uint8_t>> other = ApplyToOtherKind(patch, base);
    if (!other) throw;
    result = std::move(*other);
  }
  WriteFileAtomically(outPath, result);
}

}  // namespace orvane
