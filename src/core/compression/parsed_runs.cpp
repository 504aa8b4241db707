#include "compression/parsed_runs.h"

#include <algorithm>

namespace orvane {

ParsedRuns::ParsedRuns(const DialogueRuns& dialogue, const CodeTrie& trie) : dialogue_(dialogue), trie_(trie) {
  const auto& runs = dialogue.runs();
  offset_.reserve(runs.size() + 1);
  size_t total = 0;
  for (const auto& run : runs) {
    offset_.push_back(total);
    total += run.size();
  }
  offset_.push_back(total);
  starts_.assign(total, 0);
  for (size_t r = 0; r < runs.size(); ++r) parse(r);
}

void ParsedRuns::parse(size_t run) {
  const std::string_view text = dialogue_.runs()[run];
  uint8_t* starts = starts_.data() + offset_[run];
  std::fill(starts, starts + text.size(), uint8_t{0});
  for (size_t p = 0; p < text.size();) {
    starts[p] = 1;
    p += std::max<size_t>(1, trie_.longestAt(text, p));
  }
}

void ParsedRuns::reparse(std::span<const Occurrence> where) {
  for (size_t i = 0; i < where.size(); ++i)
    if (i == 0 || where[i].run != where[i - 1].run) parse(static_cast<size_t>(where[i].run));
}

int64_t ParsedRuns::gain(std::string_view entry, std::span<const Occurrence> where) const {
  int64_t total = 0;
  int32_t run = -1;
  size_t parsedTo = 0;  // in `run`: where the last changed stretch ended
  for (const Occurrence& at : where) {
    if (at.run != run) {
      run = at.run;
      parsedTo = 0;
    }
    const auto q = static_cast<size_t>(at.offset);
    const std::string_view text = dialogue_.runs()[static_cast<size_t>(run)];
    const uint8_t* starts = starts_.data() + offset_[static_cast<size_t>(run)];
    if (q < parsedTo || !starts[q]) continue;
    // Parse with the entry from q until the parse lands where the old one started a code.
    size_t p = q;
    int64_t newCodes = 0;
    do {
      size_t length = trie_.longestAt(text, p);
      if (entry.size() > length && text.substr(p, entry.size()) == entry) length = entry.size();
      p += std::max<size_t>(1, length);
      ++newCodes;
    } while (p < text.size() && !starts[p]);
    parsedTo = std::min(p, text.size());
    const int64_t saved = std::count(starts + q, starts + parsedTo, uint8_t{1}) - newCodes;
    total += saved * dialogue_.weights()[static_cast<size_t>(run)];
  }
  return total;
}

}  // namespace orvane
