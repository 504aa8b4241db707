#include <gtest/gtest.h>

#include <vector>

#include "compression/dictionary_budget.h"
#include "compression/optimizer_options.h"
#include "document.h"

namespace orvane {
namespace {

TEST(DictionaryBudget, EmptyEntriesStillCostTheirLengthByte) {
  const std::vector<std::string> empty(kDictionaryEntries);
  EXPECT_EQ(UsedMemory(empty), 127);
  EXPECT_EQ(FreeMemory(127), 385);
  EXPECT_EQ(UsedMemoryLabel(127), "Used memory       : 127 byte");
  EXPECT_EQ(FreeMemoryLabel(127), "Free                       : 385 byte");
}

TEST(DictionaryBudget, ExactlyTheBudgetIsFineOneMoreCharacterIsOver) {
  std::vector<std::string> entries(kDictionaryEntries, "ab");  // 381 bytes
  entries[0] = std::string(133, 'x');                          // 381 - 3 + 134 = 512
  ASSERT_EQ(UsedMemory(entries), 512);
  EXPECT_FALSE(OverBudget(512));
  EXPECT_EQ(FreeMemoryLabel(512), "Free                       : 0 byte");
  entries[0] += "y";
  EXPECT_TRUE(OverBudget(UsedMemory(entries)));
  EXPECT_EQ(FreeMemoryLabel(515), "Free                       :-3 byte");
  EXPECT_EQ(UsedMemoryLabel(515), "Used memory       : 515 byte");
}

TEST(DictionaryBudget, ReadsAndStoresCodes33To159Only) {
  Document doc;
  doc.Tabelle[1][32] = "keep";
  doc.Tabelle[1][160] = "A";
  for (int code = 33; code <= 159; ++code) doc.Tabelle[1][code] = "e" + std::to_string(code);
  const auto entries = ReadDictionary(doc);
  ASSERT_EQ(entries.size(), 127u);
  EXPECT_EQ(entries.front(), "e33");
  EXPECT_EQ(entries.back(), "e159");

  // A list shorter than 127 lines (a failed optimization) leaves the remaining codes empty.
  const std::vector<std::string> shortList{"th", "he"};
  SaveDictionary(doc, shortList);
  EXPECT_EQ(doc.Tabelle[1][33], "th");
  EXPECT_EQ(doc.Tabelle[1][34], "he");
  for (int code = 35; code <= 159; ++code) EXPECT_EQ(doc.Tabelle[1][code], "") << code;
  EXPECT_EQ(doc.Tabelle[1][32], "keep");
  EXPECT_EQ(doc.Tabelle[1][160], "A");
  EXPECT_TRUE(doc.Geaendert);
  EXPECT_TRUE(doc.TabelleGeaendert);
}

TEST(OptimizerOptions, SeekCaptionFollowsTheSliderBelowTwenty) {
  const std::string before = "Seek";
  // The band edges; the window's own test follows the slider through Low, High and 20.
  EXPECT_EQ(SeekFrameCaption(5, before), "Fast Scan depth: Low");
  EXPECT_EQ(SeekFrameCaption(6, before), "Fast Scan depth: Medium");
  EXPECT_EQ(SeekFrameCaption(14, before), "Fast Scan depth: Medium");
  EXPECT_EQ(SeekFrameCaption(15, before), "Fast Scan depth: High");
  EXPECT_EQ(SeekFrameCaption(20, before), "Seek");
}

TEST(OptimizerOptions, WindowRunParametersComeFromTheConfirmedOptions) {
  Document doc;
  EXPECT_EQ(doc.KomprimModus, 0);
  auto params = WindowRunParams(doc, 127, 7);
  EXPECT_EQ(params.mode, OptimizerMode::Accurate);
  EXPECT_EQ(params.countingStep, 1);
  EXPECT_EQ(params.exclusionPasses, 1);

  doc.KomprimModus = 1;
  doc.Suchtiefe = 12;
  params = WindowRunParams(doc, 3, 7);
  EXPECT_EQ(params.mode, OptimizerMode::Fast);
  EXPECT_EQ(params.samplesPerText, 12);
  EXPECT_EQ(params.countingStep, 3);
  EXPECT_EQ(params.pickLimit, 3);
  EXPECT_EQ(params.seed, 7u);

  for (auto mode : {OptimizerMode::Accurate, OptimizerMode::Fast, OptimizerMode::Smallest})
    EXPECT_EQ(ModeFromKomprimModus(KomprimModusFromMode(mode)), mode);
  EXPECT_EQ(ModeFromKomprimModus(2), OptimizerMode::Smallest);
}

}  // namespace
}  // namespace orvane
