#pragma once
// The "smallest" optimizer: chooses dictionary entries of two to eight characters by the bytes they
// actually save under the encoder's greedy rule, re-measuring after every choice, within the
// 512-byte budget. It aims at the smallest encoded dialogue rather than at frequent pairs.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/progress_sink.h"
#include "document.h"

namespace orvane {

inline constexpr size_t kLongestSmallestEntry = 8;

struct SmallestResult {
  bool stopped = false;            // keepGoing() or progress() answered false
  std::vector<std::string> picks;  // in pick order; their lengths plus 127 never exceed 512
};

// True when `entry` may stand in the dictionary: two or more characters, each with a code of its
// own outside the dictionary, none of "[]{}.,!?", no two spaces and no inner letters of a line or
// window code ("LS", "L_", "W_", "WS").
bool IsSafeEntry(std::string_view entry, const Document& doc);

// Chooses up to `pickLimit` entries for the document's working dialogue. Progress: one step per
// text while the texts are read, then one per entry chosen.
SmallestResult ChooseSmallestDictionary(const Document& doc, int32_t pickLimit, ProgressSink& progress);

}  // namespace orvane
