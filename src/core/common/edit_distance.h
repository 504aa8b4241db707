#pragma once
// The Levenshtein distance between one fixed text and many others, byte by byte, computed 64 rows
// at a time (bit-parallel) and given up as soon as it must pass a bound. Comparing one text with a
// whole project is the use it is made for: the fixed text's bit masks are built once.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace orvane {

class BoundedDistance {
 public:
  explicit BoundedDistance(std::string_view pattern);

  // The distance from the pattern to `text`, or nothing when it is over `bound`.
  std::optional<int> within(std::string_view text, int bound) const;

  size_t size() const { return size_; }

  struct Block {
    uint64_t plus = ~uint64_t{0};  // rows where the column below grows by one
    uint64_t minus = 0;            // rows where it shrinks by one
  };

 private:
  size_t size_;
  size_t blocks_;
  // For each byte value, one mask per block of 64 pattern bytes: where the pattern holds that byte.
  std::vector<std::array<uint64_t, 256>> equal_;
  mutable std::vector<Block> work_;  // the columns' state, kept so that a call allocates nothing
};

}  // namespace orvane
