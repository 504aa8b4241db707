#include "rom/rom_image.h"

#include "layout.h"

namespace orvane {

uint8_t RomImage::LeseByte(int32_t position) const {
  if (position < 0 || position >= size()) return 0;
  return bytes_[static_cast<size_t>(position)];
}

int32_t RomImage::LeseZeiger(int32_t position) const {
  return (position & ~0xFFFF) + LeseByte(position) + 256 * LeseByte(position + 1) + kHeaderSize;
}

void RomImage::SchreibeByte(int32_t position, uint8_t value) {
  if (position < 0) return;
  if (position >= size()) bytes_.resize(static_cast<size_t>(position) + 1, 0);
  bytes_[static_cast<size_t>(position)] = value;
}

void RomImage::SchreibeZeiger(int32_t position, int32_t target) {
  const int32_t v = target - kHeaderSize;
  SchreibeByte(position, static_cast<uint8_t>(v & 0xFF));
  SchreibeByte(position + 1, static_cast<uint8_t>((v >> 8) & 0xFF));
}

}  // namespace orvane
