#pragma once
// A model of the encoder's greedy rule for measuring sizes quickly: the table strings in a trie, so
// the longest match at a position is one walk instead of a lookup per length. It counts codes; it
// does not produce them (the writer's encoder does that).

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace orvane {

class CodeTrie {
 public:
  CodeTrie();
  void insert(std::string_view text);  // empty strings never match and are ignored

  // Length of the longest inserted string that starts at text[p]; 0 when none does.
  size_t longestAt(std::string_view text, size_t p) const {
    size_t best = 0;
    int32_t node = 0;
    for (size_t i = p; i < text.size(); ++i) {
      node = nodes_[static_cast<size_t>(node)].child[static_cast<unsigned char>(text[i])];
      if (node == 0) break;
      if (nodes_[static_cast<size_t>(node)].terminal) best = i - p + 1;
    }
    return best;
  }

  // Codes the greedy rule spends on `text` (a character without code counts as one).
  int32_t countCodes(std::string_view text) const;

 private:
  struct Node {
    std::array<int32_t, 256> child{};  // 0 = none (the root is never a child)
    bool terminal = false;
  };
  std::vector<Node> nodes_;
};

}  // namespace orvane
