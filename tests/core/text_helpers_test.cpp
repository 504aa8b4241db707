// The small shared rules over strings, numbers and paths.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "common/file_helpers.h"
#include "common/progress_sink.h"
#include "common/run_error.h"
#include "common/text_helpers.h"

namespace orvane {
namespace {

TEST(TextHelpers, HexNumbersSearchesCountsAndFolders) {
  EXPECT_EQ(HexZuZahl("0A") + HexZuZahl("eF"), 10 + 0xEF);
  for (const char* bad : {"5=", "", "  ", "G"}) EXPECT_THROW(HexZuZahl(bad), RunError) << bad;
  const std::array<std::string, 4> list{"a", "b", "b", ""};
  EXPECT_EQ(std::to_string(SucheEintrag(list, "b")) + std::to_string(SucheEintrag(list, "")) +
                std::to_string(SucheEintrag(list, "c")),
            "13-1");
  EXPECT_EQ(SucheEintrag(std::span<const std::string>{}, "a"), -1);
  for (const auto& [text, pattern, exact, count] : {std::tuple{"aaaa", "aa", true, 2},
                                                    {"aaa", "aa", true, 1},
                                                    {"Kael kael", "kael", true, 1},
                                                    {"Kael kael", "kael", false, 2},
                                                    {"abc", "", true, -1}})
    EXPECT_EQ(ZaehleVorkommen(text, pattern, exact), count) << text;
  // A path's folder ends at the last separator before its last character.
  EXPECT_EQ(ElternOrdner("game.smc") + "|" + ElternOrdner("roms/new/") + "|" + ElternOrdner("c:\\roms\\game.smc") +
                "|" + ElternOrdner("/"),
            "|roms/|c:\\roms\\|");
  EXPECT_TRUE(std::filesystem::is_regular_file(ProgramFolder() + "core_tests"));
}

TEST(TextHelpers, NumbersAsPrintedAsLabelsAndAsPercent) {
  EXPECT_EQ(PrintedNumber(0) + PrintedNumber(32) + PrintedNumber(-3), " 0  32 -3 ");
  EXPECT_EQ(SignedLabelNumber(127) + SignedLabelNumber(0) + SignedLabelNumber(-3), " 127 0-3");
  EXPECT_EQ(Maximalwert(std::array<int32_t, 3>{-1, 7, 3}) + Maximalwert(std::span<const int32_t>{}), 7);
  // Nearest, halves to even, clamped.
  for (const auto& [done, total, percent] :
       {std::tuple{1, 8, 12}, {3, 8, 38}, {7000, 6054, 100}, {-5, 10, 0}, {0, 0, 0}, {1, 0, 100}})
    EXPECT_EQ(ProzentWert(done, total), percent) << done << "/" << total;
}

}  // namespace
}  // namespace orvane
