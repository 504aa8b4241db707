#pragma once
// The greedy parse of every dialogue stretch under the current table, kept so that the saving of one
// more entry is measured only where its occurrences change the parse: before an occurrence that the
// parse reaches, nothing changes, and once the changed parse lands on a place where the old one
// started a code again, everything after it is the same as before.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "compression/dialogue_runs.h"
#include "compression/greedy_parse.h"

namespace orvane {

// Where a candidate occurs: a run and the offset in it. Lists are sorted by run, then offset.
struct Occurrence {
  int32_t run;
  int32_t offset;
};

class ParsedRuns {
 public:
  // Both must outlive this object; `trie` may grow between calls (then reparse the runs it touched).
  ParsedRuns(const DialogueRuns& dialogue, const CodeTrie& trie);

  // Bytes saved (weighted by how often each run occurs) if `entry` joined the table; `where` lists
  // every occurrence of the entry.
  int64_t gain(std::string_view entry, std::span<const Occurrence> where) const;

  // Parses the runs of the listed occurrences again after the table grew.
  void reparse(std::span<const Occurrence> where);

 private:
  void parse(size_t run);

  const DialogueRuns& dialogue_;
  const CodeTrie& trie_;
  std::vector<size_t> offset_;   // where each run's flags begin
  std::vector<uint8_t> starts_;  // 1 where the current parse starts a code
};

}  // namespace orvane
