#include "writer/string_area.h"

namespace orvane {

std::optional<int32_t> StringArea::Place(const std::vector<uint8_t>& bytes) {
  const int32_t at = next_;
  if (at + static_cast<int32_t>(bytes.size()) > last_) return std::nullopt;
  for (uint8_t b : bytes) image_.SchreibeByte(next_++, b);
  image_.SchreibeByte(next_++, 0x00);
  return at;
}

int32_t StringArea::EmptyString() {
  if (next_ > start_) return next_ - 1;
  image_.SchreibeByte(next_++, 0x00);
  return start_;
}

}  // namespace orvane
