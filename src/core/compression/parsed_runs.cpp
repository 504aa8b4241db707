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

void ParsedRuns::reparse(std::span<const int32_t> runs) {
  for (int32_t r : runs) parse(static_cast<size_t>(r));
}

int64_t ParsedRuns::gain(std::string_view entry, std::span<const int32_t> runs) const {
  int64_t total = 0;
  for (int32_t r : runs) {
    const std::string_view text = dialogue_.runs()[static_cast<size_t>(r)];
    const uint8_t* starts = starts_.data() + offset_[static_cast<size_t>(r)];
    int64_t saved = 0;
    for (size_t q = text.find(entry); q != std::string_view::npos; q = text.find(entry, q)) {
      if (!starts[q]) {
        ++q;
        continue;
      }
      // Parse with the entry from q until the parse lands where the old one started a code.
      size_t p = q;
      int64_t newCodes = 0;
      do {
        size_t length = trie_.longestAt(text, p);
        if (entry.size() > length && text.substr(p, entry.size()) == entry) length = entry.size();
        p += std::max<size_t>(1, length);
        ++newCodes;
      } while (p < text.size() && !starts[p]);
      const size_t end = std::min(p, text.size());
      saved += std::count(starts + q, starts + end, uint8_t{1}) - newCodes;
      q = end;
    }
    total += saved * dialogue_.weights()[static_cast<size_t>(r)];
  }
  return total;
}

}  // namespace orvane
