#include "compression/greedy_parse.h"

namespace orvane {

CodeTrie::CodeTrie() : nodes_(1) {}

void CodeTrie::insert(std::string_view text) {
  if (text.empty()) return;
  size_t node = 0;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (nodes_[node].child[byte] == 0) {
      nodes_[node].child[byte] = static_cast<int32_t>(nodes_.size());
      nodes_.emplace_back();
    }
    node = static_cast<size_t>(nodes_[node].child[byte]);
  }
  nodes_[node].terminal = true;
}

int32_t CodeTrie::countCodes(std::string_view text) const {
  int32_t codes = 0;
  for (size_t p = 0; p < text.size(); ++codes) {
    const size_t length = longestAt(text, p);
    p += length == 0 ? 1 : length;
  }
  return codes;
}

}  // namespace orvane
