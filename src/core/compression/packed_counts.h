#pragma once
// A hash table from short strings (one to eight bytes, none of them zero) to a number. The strings
// are packed into one 64-bit key, so counting the million substrings of the dialogue needs no
// allocation per string.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

class PackedCounts {
 public:
  // With `mostEntries` (512 or more), the table never holds more: when it is full, the smaller half
  // of the counts is dropped (a dropped string that comes back starts again from zero), so that only
  // rare strings lose counts.
  explicit PackedCounts(size_t mostEntries = 0) : mostSlots_(mostEntries * 2) {}

  static std::string Unpack(uint64_t key);

  // The number stored for `key`, created as 0 when new.
  int64_t& operator[](uint64_t key);
  // The number stored for `key`, or nullptr.
  const int64_t* find(uint64_t key) const;

  template <typename Visit>
  void forEach(Visit&& visit) const {
    for (size_t i = 0; i < keys_.size(); ++i)
      if (keys_[i] != 0) visit(keys_[i], values_[i]);
  }

 private:
  size_t slotOf(uint64_t key) const;
  void grow();
  void dropSmallest();

  std::vector<uint64_t> keys_ = std::vector<uint64_t>(1024, 0);  // 0 = empty slot
  std::vector<int64_t> values_ = std::vector<int64_t>(1024, 0);
  size_t used_ = 0;
  size_t mostSlots_;
};

}  // namespace orvane
