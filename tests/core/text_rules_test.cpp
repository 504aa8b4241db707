// The small rules over texts: the shared helpers over strings, numbers and paths, and the stored form of a
// dialogue text against the lines its editor pane shows.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <random>

#include "common/file_helpers.h"
#include "common/progress_sink.h"
#include "common/run_error.h"
#include "common/text_helpers.h"
#include "rom/display_form.h"

namespace orvane {
namespace {

// The small shared rules over strings, numbers and paths.
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

// The stored form of a dialogue text and the lines its editor pane shows, both ways.
using Lines = std::vector<std::string>;

TEST(DisplayForm, ShowsTheFourCodesAsBreaksAndDropsUnknownOnes) {
  const std::pair<std::string, std::string> rows[] = {
      {"A[L_]B[WS]C", "A\r\nB\r\n\r\n   C"}, {"A[LS]B", "A\r\n   B"}, {"A[W_]B", "A\r\n\r\nB"},
      {"{1A}Kael...", "{1A}Kael..."}, {"", ""},
      // An unknown code vanishes with its three characters; the closing one is not checked.
      {"A[XY]B", "AB"}, {"A[l_]B", "AB"}, {"A[L_xB", "A\r\nB"}, {"A[[L_]]B", "A]]B"}, {"AB[L", "AB"}, {"AB[", "AB"}};
  for (const auto& [stored, shown] : rows) EXPECT_EQ(DisplayForm(stored), shown) << stored;
}

TEST(StoredFromLines, BreaksIndentationAndEmptyLines) {
  std::string full = "x";  // 255 lines of "x" in windows of four
  for (int i = 1; i < 255; ++i) full += i % 4 ? "[L_]x" : "[W_]x";
  const std::pair<Lines, std::string> rows[] = {
      // The fourth line in a row ends the window; an empty line is a window break and starts the count again.
      {{"A", "B", "C", "D", "E", "F", "G", "H", "I"}, "A[L_]B[L_]C[L_]D[W_]E[L_]F[L_]G[L_]H[W_]I"},
      {{"A", "B", "C", "D", "   E"}, "A[L_]B[L_]C[L_]D[WS]E"},
      {{"A", "", "B", "C", "D", "E", "F"}, "A[W_]B[L_]C[L_]D[L_]E[W_]F"},
      {{"A", "  ", "B"}, "A[W_]B"}, {{"A", "", "   B"}, "A[WS]B"},  // a line of blanks counts as empty
      // Only three blanks are an indentation, and not on the first line.
      {{"A", "    B"}, "A[LS] B"}, {{"A", "  B"}, "A[L_]  B"}, {{"   A", "B"}, "   A[L_]B"},
      {{"A", "", "", "B"}, "A[W_][L_]B"}, {{"A", ""}, "A[W_]"}, {{"A", "", ""}, "A[W_]"}, {{""}, ""}, {{}, ""},
      // Only the first 255 lines and 255 characters of a line are read.
      {Lines(300, "x"), full},
      {{std::string(300, 'q'), "B"}, std::string(255, 'q') + "[L_]B"}};
  for (const auto& [lines, stored] : rows) EXPECT_EQ(StoredFromLines(lines), stored) << stored.substr(0, 40);
}

// Saving what a save produced changes nothing more: the normal form is stable.
TEST(StoredFromLines, NormalFormIsStableOnRandomTexts) {
  const char* pieces[] = {"A", "Bo", " ", "   ", "[L_]", "[LS]", "[W_]", "[WS]", "[Q!]", "{1A}", "[", "Kael"};
  const auto save = [](const std::string& stored) {
    Lines lines{""};  // the pane's lines (the pieces hold no line break of their own)
    for (char c : DisplayForm(stored)) c == '\n' ? lines.emplace_back() : c == '\r' ? lines.back() : lines.back() += c;
    return StoredFromLines(lines);
  };
  std::mt19937 rng(7);
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    for (int k = static_cast<int>(rng() % 14); k > 0; --k) text += pieces[rng() % std::size(pieces)];
    ASSERT_EQ(save(save(text)), save(text)) << "from \"" << text << "\"";
  }
}

}  // namespace
}  // namespace orvane
