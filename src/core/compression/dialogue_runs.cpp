#include "compression/dialogue_runs.h"

namespace orvane {

CodeTrie BaseCodeTrie(const Document& doc) {
  CodeTrie trie;
  for (int code = 0; code < kCodes; ++code)
    if (code < kDictionaryFirst || code > kDictionaryLast) trie.insert(doc.Tabelle[1][static_cast<size_t>(code)]);
  return trie;
}

namespace {

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

bool IsUnitStart(char c) { return c == '[' || c == ']' || c == '{' || c == '}'; }

// Characters one code of a unit covers: the table's longest match, or the brace escape.
size_t UnitLength(std::string_view text, size_t p, const CodeTrie& base) {
  const size_t match = base.longestAt(text, p);
  if (match > 0) return match;
  if (text[p] == '{' && p + 3 < text.size() && text[p + 3] == '}' && IsHexDigit(text[p + 1]) &&
      IsHexDigit(text[p + 2]))
    return 4;
  return 1;
}

}  // namespace

void DialogueRuns::addRun(std::string_view run) {
  if (run.empty()) return;
  auto [it, added] = ids_.emplace(std::string(run), static_cast<int32_t>(runs_.size()));
  if (added) {
    runs_.emplace_back(run);
    weights_.push_back(0);
  }
  ++weights_[static_cast<size_t>(it->second)];
}

void DialogueRuns::addText(std::string_view text, const CodeTrie& base) {
  fixedBytes_ += text.empty() ? 2 : 1;  // the terminator; an empty text also has one code
  size_t start = 0;
  for (size_t p = 0; p < text.size();) {
    if (!IsUnitStart(text[p])) {
      ++p;
      continue;
    }
    addRun(text.substr(start, p - start));
    p += UnitLength(text, p, base);
    ++fixedBytes_;
    start = p;
  }
  if (start < text.size()) addRun(text.substr(start));
}

int64_t DialogueRuns::modelledBytes(const CodeTrie& trie) const {
  int64_t bytes = fixedBytes_;
  for (size_t i = 0; i < runs_.size(); ++i)
    bytes += static_cast<int64_t>(weights_[i]) * trie.countCodes(runs_[i]);
  return bytes;
}

}  // namespace orvane
