#include "compression/candidate_counts.h"

namespace orvane {
namespace {
constexpr size_t kPairKeys = 256 * 256;
constexpr size_t kKeys = kPairKeys + 256;

size_t PairKey(char a, char b) {
  return static_cast<size_t>(static_cast<unsigned char>(a)) << 8 | static_cast<unsigned char>(b);
}
}  // namespace

size_t PatternKey(std::string_view pattern) {
  if (pattern.size() == 1) return kPairKeys + static_cast<unsigned char>(pattern[0]);
  return PairKey(pattern[0], pattern[1]);
}

CandidateList::CandidateList() : slot_(kKeys, 0) {}

void CandidateList::add(std::string_view candidate) { addKey(PatternKey(candidate), candidate); }

void CandidateList::addEveryPosition(std::string_view text) {
  if (text.empty()) return;
  const size_t last = text.size() - 1;
  for (size_t p = 0; p < last; ++p)
    if (slot_[PairKey(text[p], text[p + 1])] == 0) addKey(PairKey(text[p], text[p + 1]), text.substr(p, 2));
  addKey(PatternKey(text.substr(last)), text.substr(last));
}

void CandidateList::addKey(size_t key, std::string_view candidate) {
  int32_t& slot = slot_[key];
  if (slot != 0 || size() >= kCapacity) return;
  list_.emplace_back(candidate);
  slot = size();
}

PatternCounts::PatternCounts() : counts_(kPairKeys, 0) {}

void PatternCounts::addText(std::string_view text) {
  // A pair can only overlap its previous occurrence when both letters are equal ("aaa"); then the
  // occurrence one position earlier was counted exactly when this one must be skipped.
  bool previousWasCountedDouble = false;
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    const bool doubled = text[i] == text[i + 1];
    const bool skip = doubled && previousWasCountedDouble;
    counts_[PairKey(text[i], text[i + 1])] += skip ? 0 : 1;
    previousWasCountedDouble = doubled && !skip;
  }
}

int32_t PatternCounts::count(std::string_view pattern) const {
  return pattern.size() == 2 ? counts_[PairKey(pattern[0], pattern[1])] : 0;
}

}  // namespace orvane
