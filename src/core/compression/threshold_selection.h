#pragma once
// The last two steps of the frequency optimizer: dropping candidates that would break the editor
// notation, and picking by a falling threshold.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/progress_sink.h"

namespace orvane {

// True for a candidate the dictionary must not hold: shorter than two characters, two spaces, any of
// "[]{}.,!?", or the inner letters of a line or window code ("LS", "L_", "W_", "WS").
bool IsExcludedCandidate(std::string_view candidate);

// One exclusion pass: sets the count of every excluded candidate to -1, reporting progress after each
// candidate (c of n). The progress answers are not checked: a stop is only noticed elsewhere.
void ExcludeCandidates(const std::vector<std::string>& candidates, std::vector<int32_t>& counts,
                       ProgressSink& progress);

struct Selection {
  std::vector<int32_t> picked;  // candidate positions (0-based) in pick order
  int32_t threshold = 0;        // the threshold when the selection stopped
  bool stopped = false;         // beforePass answered false
};

// Picks by the falling threshold T: T starts at the largest count (never below 0); a candidate whose
// count is at least T is picked and lowers T by one; each pass lowers T once more. The selection ends
// at the pick limit, once T is 10 or less after a candidate was examined, or when T falls below 1
// after a pass. `beforePass` is asked before every pass; false stops the selection where it is.
Selection SelectByThreshold(std::vector<int32_t> counts, int32_t pickLimit,
                            const std::function<bool()>& beforePass);

}  // namespace orvane
