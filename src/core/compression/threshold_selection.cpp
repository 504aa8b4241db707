#include "compression/threshold_selection.h"

#include <algorithm>

namespace orvane {

bool IsExcludedCandidate(std::string_view candidate) {
  if (candidate.size() < 2 || candidate == "  ") return true;
  if (candidate.find_first_of("[]{}.,!?") != std::string_view::npos) return true;
  return candidate == "LS" || candidate == "L_" || candidate == "W_" || candidate == "WS";
}

void ExcludeCandidates(const std::vector<std::string>& candidates, std::vector<int32_t>& counts,
                       ProgressSink& progress) {
  const auto n = static_cast<int32_t>(candidates.size());
  for (int32_t c = 0; c < n; ++c) {
    if (IsExcludedCandidate(candidates[c])) counts[c] = -1;
    progress.progress(c + 1, n);
  }
}

namespace {
int32_t LargestCount(const std::vector<int32_t>& counts) {
  return counts.empty() ? 0 : *std::max_element(counts.begin(), counts.end());
}
}  // namespace

Selection SelectByThreshold(std::vector<int32_t> counts, int32_t pickLimit,
                            const std::function<bool()>& beforePass) {
  Selection result;
  int32_t& threshold = result.threshold;
  // The empty count slots beyond the last candidate count as 0, so T never starts negative.
  threshold = std::max<int32_t>(0, LargestCount(counts));
  int32_t largestLeft = LargestCount(counts);
  const auto n = static_cast<int32_t>(counts.size());
  for (;;) {
    if (!beforePass()) {
      result.stopped = true;
      return result;
    }
    // A pass in which no count reaches T only lowers T; thousands of those come before the first
    // picks, so they are taken without walking the list.
    if (n > 0 && threshold > 10 && largestLeft < threshold) {
      --threshold;
      continue;
    }
    const size_t pickedBefore = result.picked.size();
    for (int32_t c = 0; c < n; ++c) {
      if (counts[c] >= threshold) {
        result.picked.push_back(c);
        counts[c] = -1;
        --threshold;
      }
      if (static_cast<int32_t>(result.picked.size()) >= pickLimit || threshold <= 10) return result;
    }
    if (result.picked.size() != pickedBefore) largestLeft = LargestCount(counts);
    --threshold;
    if (threshold < 1) return result;
  }
}

}  // namespace orvane
