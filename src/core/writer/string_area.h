#pragma once
// An area of 0x00-terminated strings filled from its start, packed, never written past its last
// usable byte. An entry that does not fit gets an empty string instead.

#include <cstdint>
#include <optional>
#include <vector>

#include "rom/rom_image.h"

namespace orvane {

class StringArea {
 public:
  StringArea(RomImage& image, int32_t start, int32_t last) : image_(image), start_(start), last_(last), next_(start) {}

  // Writes `bytes` and a 0x00 when both fit; returns where the string starts, nothing otherwise.
  std::optional<int32_t> Place(const std::vector<uint8_t>& bytes);
  // Where an empty string lies: the last terminator written, or a lone 0x00 placed at the start.
  int32_t EmptyString();

  int32_t next() const { return next_; }
  // Bytes left after the last string.
  int32_t free() const { return last_ + 1 - next_; }

 private:
  RomImage& image_;
  int32_t start_;
  int32_t last_;
  int32_t next_;
};

}  // namespace orvane
