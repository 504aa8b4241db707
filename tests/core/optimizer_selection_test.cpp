// The counting, exclusion and threshold selection of the frequency optimizer, including the checks
// of the fast counting and of the shortcut over empty passes against the plain reading of the rules.
#include <gtest/gtest.h>

#include <random>

#include "common/text_helpers.h"
#include "compression/candidate_counts.h"
#include "compression/threshold_selection.h"
#include "support/scripted_prompter.h"

namespace orvane {
namespace {

const auto kNeverStop = [] { return true; };

TEST(ThresholdSelection, FallingThresholdGivesTheOddOrders) {
  // 97 is picked before 99: every pick lowers the threshold within the same pass.
  auto s = SelectByThreshold({100, 100, 100, 97, 99}, 127, kNeverStop);
  EXPECT_EQ(s.picked, (std::vector<int32_t>{0, 1, 2, 3, 4}));

  s = SelectByThreshold({50, -1, 80, 79, 12}, 127, kNeverStop);
  EXPECT_EQ(s.picked, (std::vector<int32_t>{2, 3, 0, 4}));
  EXPECT_EQ(s.threshold, 10);  // the pass after the pick of 12 looks at position 1 only
  EXPECT_FALSE(s.stopped);
}

TEST(ThresholdSelection, SmallMaximumPicksAtMostTheFirstCandidate) {
  EXPECT_EQ(SelectByThreshold({7, 5, 7}, 127, kNeverStop).picked, std::vector<int32_t>{0});
  const auto none = SelectByThreshold({5, 7, 7}, 127, kNeverStop);
  EXPECT_TRUE(none.picked.empty());
  EXPECT_EQ(none.threshold, 7);
}

TEST(ThresholdSelection, FailureAndEmptySuccess) {
  // No candidate: the empty pass lowers T to -1.
  EXPECT_EQ(SelectByThreshold({}, 127, kNeverStop).threshold, -1);
  // Maximum 0 with a counted first candidate: it is picked and T falls below zero.
  const auto zero = SelectByThreshold({0, -1, 0}, 127, kNeverStop);
  EXPECT_EQ(zero.picked, std::vector<int32_t>{0});
  EXPECT_EQ(zero.threshold, -1);
  // Everything excluded: stops at once with T = 0, a success without picks.
  const auto excluded = SelectByThreshold({-1, -1}, 127, kNeverStop);
  EXPECT_TRUE(excluded.picked.empty());
  EXPECT_EQ(excluded.threshold, 0);
}

TEST(ThresholdSelection, StopsAtThePickLimitAndWhenAskedBeforeAPass) {
  std::vector<int32_t> counts(300, 1000);
  EXPECT_EQ(SelectByThreshold(counts, 127, kNeverStop).picked.size(), 127u);
  EXPECT_EQ(SelectByThreshold(counts, 3, kNeverStop).picked.size(), 3u);

  int passes = 0;
  const auto stopped = SelectByThreshold({50, 40, 30}, 127, [&] { return ++passes <= 9; });
  EXPECT_TRUE(stopped.stopped);
  EXPECT_EQ(passes, 10);
  EXPECT_EQ(stopped.picked, std::vector<int32_t>{0});  // 40 needs the 10th pass (T = 40)
}

// The selection read literally: one walk over the list per pass, no shortcut.
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

TEST(ThresholdSelection, MatchesTheLiteralPassesOnRandomCounts) {
  std::mt19937 random(11);
  for (int round = 0; round < 300; ++round) {
    std::vector<int32_t> counts(random() % 60);
    const int32_t top = static_cast<int32_t>(random() % 3000);
    for (auto& c : counts) c = static_cast<int32_t>(random() % (top + 2)) - 1;
    const int32_t limit = 1 + static_cast<int32_t>(random() % 40);
    int32_t plainT = 0;
    const auto plain = PlainSelection(counts, limit, plainT);
    const auto fast = SelectByThreshold(counts, limit, kNeverStop);
    ASSERT_EQ(fast.picked, plain) << round;
    ASSERT_EQ(fast.threshold, plainT) << round;
  }
}

TEST(CandidateExclusion, DropsWhatWouldBreakTheNotation) {
  for (const char* bad : {"a", "", "  ", "[L", "S]", "{1", "A}", "e.", ",x", "!!", "?a", "LS", "L_", "W_", "WS"})
    EXPECT_TRUE(IsExcludedCandidate(bad)) << bad;
  for (const char* good : {"th", "e ", " t", "1A", "ls", "Ws", "S_", "'s", "..x"})
    EXPECT_EQ(IsExcludedCandidate(good), std::string_view(good).find('.') != std::string_view::npos) << good;

  testing::RecordingProgress progress;
  std::vector<std::string> candidates{"th", "[L", "he"};
  std::vector<int32_t> counts{5, 9, 0};
  ExcludeCandidates(candidates, counts, progress);
  EXPECT_EQ(counts, (std::vector<int32_t>{5, -1, 0}));
  EXPECT_EQ(progress.steps, (std::vector<std::pair<int32_t, int32_t>>{{1, 3}, {2, 3}, {3, 3}}));
}

TEST(CandidateCounts, DiscoveryOrderCaseAndCapacity) {
  CandidateList list;
  for (const char* c : {"ab", "AB", "ab", "a", "Ab", "b"}) list.add(c);
  EXPECT_EQ(list.strings(), (std::vector<std::string>{"ab", "AB", "a", "Ab", "b"}));

  CandidateList full;
  for (int a = 0; a < 256 && full.size() < CandidateList::kCapacity; ++a)
    for (int b = 0; b < 256; ++b) full.add(std::string{static_cast<char>(a), static_cast<char>(b)});
  EXPECT_EQ(full.size(), CandidateList::kCapacity);
  full.add("zz");  // beyond the capacity a new candidate is ignored
  EXPECT_EQ(full.size(), CandidateList::kCapacity);
  EXPECT_EQ(full.strings().back(), (std::string{'\x27', '\x0F'}));
}

// Texts from a small alphabet, so that runs such as "aaaa", single characters and repeated pairs
// occur often; a few bytes above 127 stand for the Windows-1252 letters.
std::string RandomText(std::mt19937& random) {
  static const std::string alphabet = "aab ab.[]A\xE4\xE4";
  std::string text(random() % 14, ' ');
  for (auto& c : text) c = alphabet[random() % alphabet.size()];
  return text;
}

TEST(CandidateCounts, OnePassCountsEqualTheSearchForEachPattern) {
  std::mt19937 random(5);
  for (int round = 0; round < 200; ++round) {
    std::vector<std::string> texts(1 + random() % 12);
    for (auto& t : texts) t = RandomText(random);
    PatternCounts counts;
    CandidateList patterns;
    for (const auto& t : texts) {
      counts.addText(t);
      for (size_t p = 0; p < t.size(); ++p) patterns.add(std::string_view(t).substr(p, 2));
    }
    patterns.add("aa");
    for (const auto& pattern : patterns.strings()) {
      if (pattern.size() != 2) continue;
      int32_t plain = 0;
      for (const auto& t : texts) plain += ZaehleVorkommen(t, pattern, true);
      ASSERT_EQ(counts.count(pattern), plain) << "pattern '" << pattern << "' round " << round;
    }
  }
  PatternCounts four;
  four.addText("aaaa");
  four.addText("xaaay");
  EXPECT_EQ(four.count("aa"), 3);
  EXPECT_EQ(four.count("xa"), 1);
}

}  // namespace
}  // namespace orvane
