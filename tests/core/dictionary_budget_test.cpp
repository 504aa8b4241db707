// The dictionary's 512-byte budget and its labels, the codes the dictionary list reads and stores, and
// the optimizer options the window run takes.
#include <gtest/gtest.h>

#include "compression/dictionary_budget.h"
#include "compression/optimizer_options.h"

namespace orvane {
namespace {

// Every entry costs its length and a length byte, empty ones too; exactly 512 bytes is within the budget.
// A list shorter than 127 lines stores empty entries for the rest; codes 32 and 160 are no entries.
TEST(DictionaryBudget, EntriesCostTheirLengthAndALengthByteInCodes33To159) {
  Document doc;
  doc.Tabelle[1][32] = doc.Tabelle[1][160] = "keep";
  SaveDictionary(doc, std::vector<std::string>{std::string(384, 'x'), "y"});
  const std::vector<std::string> entries = ReadDictionary(doc);
  EXPECT_EQ(std::tuple(entries.size(), entries[1], entries[126]), std::tuple(127u, "y", ""));
  EXPECT_EQ(std::tuple(UsedMemory(entries), OverBudget(512), OverBudget(513)), std::tuple(512, false, true));
  EXPECT_EQ(UsedMemoryLabel(127), "Used memory       : 127 byte");
  EXPECT_EQ(FreeMemoryLabel(512) + "|" + FreeMemoryLabel(513), "Free                       : 0 byte|"
                                                               "Free                       :-1 byte");
  EXPECT_EQ(doc.Tabelle[1][32] + doc.Tabelle[1][160], "keepkeep");
  EXPECT_TRUE(doc.Geaendert && doc.TabelleGeaendert);
}

TEST(OptimizerOptions, SeekCaptionAndTheWindowRunsParameters) {
  for (const auto& [value, caption] : {std::pair{5, "Fast Scan depth: Low"}, {6, "Fast Scan depth: Medium"},
                                       {14, "Fast Scan depth: Medium"}, {15, "Fast Scan depth: High"}, {20, "Seek"}})
    EXPECT_EQ(SeekFrameCaption(value, "Seek"), caption);
  Document doc;
  auto params = WindowRunParams(doc, 127, 7);
  EXPECT_EQ(std::tuple(params.mode, params.countingStep, params.exclusionPasses),
            std::tuple(OptimizerMode::Accurate, 1, 1));
  doc.KomprimModus = 1;
  doc.Suchtiefe = 12;
  params = WindowRunParams(doc, 3, 7);
  EXPECT_EQ(std::tuple(params.mode, params.samplesPerText, params.countingStep, params.pickLimit, params.seed),
            std::tuple(OptimizerMode::Fast, 12, 3, 3, uint64_t{7}));
  for (auto mode : {OptimizerMode::Accurate, OptimizerMode::Fast, OptimizerMode::Smallest})
    EXPECT_EQ(ModeFromKomprimModus(KomprimModusFromMode(mode)), mode);
}

}  // namespace
}  // namespace orvane
