#include "compression/packed_counts.h"

namespace orvane {

uint64_t PackedCounts::Pack(std::string_view text) {
  uint64_t key = 0;
  for (size_t i = 0; i < text.size(); ++i) key |= static_cast<uint64_t>(static_cast<unsigned char>(text[i])) << (8 * i);
  return key;
}

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
      grow();
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

}  // namespace orvane
