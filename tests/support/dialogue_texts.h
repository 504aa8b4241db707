#pragma once
// Dialogue for tests and benchmarks: putting chosen texts into a Document, and a generated corpus of
// game-like dialogue in editor notation (names, line and window codes, punctuation).

#include <cstdint>
#include <string>
#include <vector>

#include "document.h"

namespace orvane::testing {

// Makes banks 1..n hold exactly the given texts (bank i+1 gets banks[i]); every other bank is empty.
void PutDialogue(Document& doc, const std::vector<std::vector<std::string>>& banks);

// Fills the 21 banks with their real text counts from `texts`, in order (wrapping when short).
void FillAllBanks(Document& doc, const std::vector<std::string>& texts);

enum class CorpusStyle {
  Quest,    // plain adventure dialogue
  Archaic,  // a differently worded second corpus: old-fashioned speech, other names and words
};

// `count` texts of generated dialogue; the same seed gives the same texts.
std::vector<std::string> MakeDialogueCorpus(int count, uint64_t seed, CorpusStyle style = CorpusStyle::Quest);

}  // namespace orvane::testing
