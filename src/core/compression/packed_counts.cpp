#include "compression/packed_counts.h"

#include <algorithm>

namespace orvane {

std::string PackedCounts::Unpack(uint64_t key) {
  std::string text;
  for (; key != 0; key >>= 8) text.push_back(static_cast<char>(key & 0xFF));
  return text;
}

size_t PackedCounts::slotOf(uint64_t key) const {
  const size_t mask = keys_.size() - 1;
  size_t slot = static_cast<size_t>((key * 0x9E3779B97F4A7C15ULL) >> 20) & mask;
  while (keys_[slot] != 0 && keys_[slot] != key) slot = (slot + 1) & mask;
  return slot;
}

int64_t& PackedCounts::operator[](uint64_t key) {
  size_t slot = slotOf(key);
  if (keys_[slot] == 0) {
    if (2 * (used_ + 1) > keys_.size()) {
      if (mostSlots_ == 0 || keys_.size() < mostSlots_) grow();
      else dropSmallest();
      slot = slotOf(key);
    }
    keys_[slot] = key;
    ++used_;
  }
  return values_[slot];
}

const int64_t* PackedCounts::find(uint64_t key) const {
  const size_t slot = slotOf(key);
  return keys_[slot] == 0 ? nullptr : &values_[slot];
}

void PackedCounts::grow() {
  std::vector<uint64_t> keys(keys_.size() * 2, 0);
  std::vector<int64_t> values(keys_.size() * 2, 0);
  keys.swap(keys_);
  values.swap(values_);
  for (size_t i = 0; i < keys.size(); ++i)
    if (keys[i] != 0) {
      const size_t slot = slotOf(keys[i]);
      keys_[slot] = keys[i];
      values_[slot] = values[i];
    }
}

void PackedCounts::dropSmallest() {
  // Everything up to the median count goes, so at least half the table is free again.
  std::vector<int64_t> counts;
  counts.reserve(used_);
  for (size_t i = 0; i < keys_.size(); ++i)
    if (keys_[i] != 0) counts.push_back(values_[i]);
  const auto median = counts.begin() + static_cast<std::ptrdiff_t>(counts.size() / 2);
  std::nth_element(counts.begin(), median, counts.end());
  const int64_t dropped = *median;
  counts = {};
  std::vector<std::pair<uint64_t, int64_t>> kept;
  for (size_t i = 0; i < keys_.size(); ++i)  // an empty slot's 0 is never above the median
    if (values_[i] > dropped) kept.emplace_back(keys_[i], values_[i]);
  std::fill(keys_.begin(), keys_.end(), 0);
  std::fill(values_.begin(), values_.end(), 0);
  for (const auto& [key, value] : kept) {
    const size_t slot = slotOf(key);
    keys_[slot] = key;
    values_[slot] = value;
  }
  used_ = kept.size();
}

}  // namespace orvane
