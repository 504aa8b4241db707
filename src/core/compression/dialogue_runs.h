#pragma once
// The dialogue cut into what a dictionary entry can change: the plain stretches between line codes,
// window codes and brace escapes. Those units always take one code each, whatever the dictionary
// holds, so the stretches can be measured on their own; equal stretches are kept once with a weight.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "compression/greedy_parse.h"
#include "document.h"

namespace orvane {

class DialogueRuns {
 public:
  // Cuts one text into stretches; `base` is the table without dictionary entries.
  void addText(std::string_view text, const CodeTrie& base);

  const std::vector<std::string>& runs() const { return runs_; }  // distinct plain stretches
  const std::vector<int32_t>& weights() const { return weights_; }  // how often each one occurs

  // Encoded dialogue bytes (codes and terminators) under the table `trie` models.
  int64_t modelledBytes(const CodeTrie& trie) const;

 private:
  void addRun(std::string_view run);

  std::vector<std::string> runs_;
  std::vector<int32_t> weights_;
  std::unordered_map<std::string, int32_t> ids_;
  int64_t fixedBytes_ = 0;  // units, terminators and empty texts: the bytes no dictionary entry can change
};

// The base code table: column 1 of the document without the dictionary codes 33..159.
CodeTrie BaseCodeTrie(const Document& doc);

}  // namespace orvane
