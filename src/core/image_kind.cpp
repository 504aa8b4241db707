#include "image_kind.h"

#include <algorithm>

#include "layout.h"

namespace orvane {

std::optional<ImageKind> KindForSize(uint64_t size) {
  if (size >= kImageUnit && size % kImageUnit == 0) return ImageKind::Plain;
  if (size >= kImageUnit + kHeaderSize && size % kImageUnit == kHeaderSize) return ImageKind::Headed;
  return std::nullopt;
}

std::optional<ImageKind> KindForName(const std::string& path) {
  const size_t dot = path.find_last_of("./\\");
  if (dot == std::string::npos || path[dot] != '.') return std::nullopt;
  std::string suffix = path.substr(dot + 1);
  std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  if (suffix == "sfc") return ImageKind::Plain;
  if (suffix == "smc" || suffix == "fig" || suffix == "swc") return ImageKind::Headed;
  return std::nullopt;
}

std::string KindWords(ImageKind kind) {
  return kind == ImageKind::Plain ? "without a copier header" : "with a copier header";
}

Message SizeRefusal(const std::string& path, uint64_t size) {
  return MakeMessage("Bad Rom!!!",
                     "\"" + path + "\" is " + std::to_string(size) +
                         " bytes long. A ROM image without a copier header is a whole multiple of 32768 bytes "
                         "(4194304 for the game), one with the header 512 bytes more (4194816).",
                     Icon::Stop);
}

std::vector<uint8_t> ToHeldImage(std::vector<uint8_t> file, ImageKind kind) {
  if (kind == ImageKind::Plain) file.insert(file.begin(), kHeaderSize, 0);
  return file;
}

std::vector<uint8_t> ToFileImage(std::vector<uint8_t> held, ImageKind kind) {
  if (kind == ImageKind::Plain) held.erase(held.begin(), held.begin() + std::min<size_t>(held.size(), kHeaderSize));
  return held;
}

}  // namespace orvane
