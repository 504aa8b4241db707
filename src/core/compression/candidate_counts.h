#pragma once
// The optimizer's candidates (strings of one or two characters, in the order first found) and the
// counting of their non-overlapping occurrences. Both index every possible one- and two-byte string
// directly, so gathering and counting take one pass over each text instead of one per candidate.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

class CandidateList {
 public:
  static constexpr int32_t kCapacity = 10000;

  CandidateList();
  // Appends a one- or two-character candidate not yet in the list. Once the list holds kCapacity
  // candidates, further new ones are ignored: the first 10000 found are the ones counted.
  void add(std::string_view candidate);
  // Adds the string of at most two characters at every position of the text, left to right.
  void addEveryPosition(std::string_view text);
  int32_t size() const { return static_cast<int32_t>(list_.size()); }
  const std::vector<std::string>& strings() const { return list_; }

 private:
  void addKey(size_t key, std::string_view candidate);

  std::vector<int32_t> slot_;  // per pattern key: 1 + its position, 0 = not in the list
  std::vector<std::string> list_;
};

// Non-overlapping occurrences of every two-character pattern, summed over the texts added: an
// occurrence counts when it starts at or after the end of the previous counted one of the same pair
// in that text, exactly as a left-to-right search for that pair alone counts them. Single characters
// are not counted: such a candidate is always excluded before its count could matter.
class PatternCounts {
 public:
  PatternCounts();
  void addText(std::string_view text);
  // The summed count of a two-character pattern (0 for anything else).
  int32_t count(std::string_view pattern) const;

 private:
  std::vector<int32_t> counts_;
};

// A one- or two-character string as an index 0..65791 (pairs first, then single characters).
size_t PatternKey(std::string_view pattern);

}  // namespace orvane
