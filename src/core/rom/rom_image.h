#pragma once
// A ROM file held in memory. Reads past the end give 0x00; writes past the end grow the image,
// as writing past the end of a file makes it longer.

#include <cstdint>
#include <string>
#include <vector>

namespace orvane {

class RomImage {
 public:
  RomImage() = default;
  explicit RomImage(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}

  uint8_t LeseByte(int32_t position) const;
  // Target of the pointer at `position`: same 64 KiB bank as the pointer, shifted by the header.
  int32_t LeseZeiger(int32_t position) const;

  void SchreibeByte(int32_t position, uint8_t value);
  // Writes the pointer to `target` at `position` (low 16 bits of target - 0x200, low byte first).
  void SchreibeZeiger(int32_t position, int32_t target);

  const std::vector<uint8_t>& bytes() const { return bytes_; }
  std::vector<uint8_t>& bytes() { return bytes_; }
  int64_t size() const { return static_cast<int64_t>(bytes_.size()); }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace orvane
