// The frequency optimizer's last steps: the falling threshold against its literal reading, and the
// exclusion of candidates that would break the notation.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "compression/threshold_selection.h"

namespace orvane {
namespace {

// The selection read literally: one walk over the list per pass, no shortcut; `t` is where T ends.
std::vector<int32_t> PlainSelection(std::vector<int32_t> h, int32_t limit, int32_t& t) {
  std::vector<int32_t> picked;
  t = std::max<int32_t>(0, h.empty() ? 0 : *std::max_element(h.begin(), h.end()));
  for (;;) {
    for (size_t c = 0; c < h.size(); ++c) {
      if (h[c] >= t) {
        picked.push_back(static_cast<int32_t>(c));
        h[c] = -1;
        --t;
      }
      if (static_cast<int32_t>(picked.size()) >= limit || t <= 10) return picked;
    }
    if (--t < 1) return picked;
  }
}

// The cases of the rule (97 before 99; a last pass at T 10 that looks at one candidate; a maximum of
// 10 or less; no candidate; a maximum of 0; everything excluded; the pick limit), then random counts.
TEST(ThresholdSelection, FallingThresholdEqualsTheLiteralPasses) {
  auto literal = [](const std::vector<int32_t>& counts, int32_t limit) {
    int32_t t = 0;
    const std::vector<int32_t> plain = PlainSelection(counts, limit, t);
    const Selection fast = SelectByThreshold(counts, limit, [] { return true; });
    EXPECT_EQ(std::tie(fast.picked, fast.threshold), std::tie(plain, t));
    return fast.picked;
  };
  for (const auto& [counts, picks] : std::vector<std::pair<std::vector<int32_t>, std::vector<int32_t>>>{
           {{100, 100, 100, 97, 99}, {0, 1, 2, 3, 4}}, {{50, -1, 80, 79, 12}, {2, 3, 0, 4}}, {{7, 5, 7}, {0}},
           {{5, 7, 7}, {}}, {{}, {}}, {{0, -1, 0}, {0}}, {{-1, -1}, {}}})
    EXPECT_EQ(literal(counts, 127), picks);
  EXPECT_EQ(literal(std::vector<int32_t>(300, 1000), 3).size(), 3u);
  std::mt19937 random(11);
  for (int round = 0; round < 300; ++round) {
    std::vector<int32_t> counts(random() % 60);
    const auto top = static_cast<int32_t>(random() % 3000);
    for (auto& c : counts) c = static_cast<int32_t>(random() % (top + 2)) - 1;
    literal(counts, static_cast<int32_t>(1 + random() % 40));
  }
  int passes = 0;  // asked before every pass: 40 needs the tenth (T = 40)
  const Selection stopped = SelectByThreshold({50, 40, 30}, 127, [&] { return ++passes <= 9; });
  EXPECT_TRUE(stopped.stopped && passes == 10);
  EXPECT_EQ(stopped.picked, std::vector<int32_t>{0});
}

TEST(CandidateExclusion, DropsWhatWouldBreakTheNotation) {
  for (const char* bad : {"a", "", "  ", "[L", "S]", "{1", "A}", "e.", ",x", "!!", "?a", "LS", "L_", "W_", "WS"})
    EXPECT_TRUE(IsExcludedCandidate(bad)) << bad;
  for (const char* good : {"th", "e ", " t", "1A", "ls", "Ws", "S_", "'s"}) EXPECT_FALSE(IsExcludedCandidate(good));
}

}  // namespace
}  // namespace orvane
