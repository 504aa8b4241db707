#include "rom/display_form.h"

#include <gtest/gtest.h>

#include <random>

namespace orvane {
namespace {

std::vector<std::string> SplitShown(const std::string& shown) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t at; (at = shown.find("\r\n", start)) != std::string::npos; start = at + 2)
    lines.push_back(shown.substr(start, at - start));
  lines.push_back(shown.substr(start));
  return lines;
}

std::string RoundTrip(const std::string& stored) { return StoredFromLines(SplitShown(DisplayForm(stored))); }

TEST(DisplayForm, ShowsTheFourCodesAsBreaksAndDropsUnknownOnes) {
  const std::vector<std::pair<std::string, std::string>> cases{
      {"A[L_]B[WS]C", "A\r\nB\r\n\r\n   C"},
      {"A[LS]B", "A\r\n   B"},
      {"A[W_]B", "A\r\n\r\nB"},
      {"{1A}Kael...", "{1A}Kael..."},
      {"", ""},
      // An unknown code vanishes with its three characters; the closing one is not checked.
      {"A[XY]B", "AB"},
      {"A[l_]B", "AB"},  // case matters
      {"A[L_xB", "A\r\nB"},
      {"A[[L_]]B", "A]]B"},  // the first "[" eats "[L_", the rest is plain
      {"AB[L", "AB"},        // a cut-off code at the end disappears too
      {"AB[", "AB"},
  };
  for (const auto& [stored, shown] : cases) EXPECT_EQ(DisplayForm(stored), shown) << stored;
}

TEST(StoredFromLines, BreaksIndentationAndEmptyLines) {
  using Lines = std::vector<std::string>;
  const std::vector<std::pair<Lines, std::string>> cases{
      // The fourth line ends the window.
      {{"A", "B", "C", "D", "E", "F", "G", "H", "I"}, "A[L_]B[L_]C[L_]D[W_]E[L_]F[L_]G[L_]H[W_]I"},
      {{"A", "B", "C", "D", "   E"}, "A[L_]B[L_]C[L_]D[WS]E"},
      // An empty line is a window break and starts the count again.
      {{"A", "", "B", "C", "D", "E", "F"}, "A[W_]B[L_]C[L_]D[L_]E[W_]F"},
      {{"A", "  ", "B"}, "A[W_]B"},  // a line of blanks counts as empty
      {{"A", "", "   B"}, "A[WS]B"},
      // Only three blanks are an indentation, and not on the first line.
      {{"A", "    B"}, "A[LS] B"},
      {{"A", "  B"}, "A[L_]  B"},
      {{"   A", "B"}, "   A[L_]B"},
      // Empty lines in a row and at the end.
      {{"A", "", "", "B"}, "A[W_][L_]B"},
      {{"A", ""}, "A[W_]"},
      {{"A", "", ""}, "A[W_]"},
      {{""}, ""},
      {{}, ""},
  };
  for (const auto& [lines, stored] : cases) EXPECT_EQ(StoredFromLines(lines), stored) << stored;

  for (const auto& [before, after] : std::vector<std::pair<std::string, std::string>>{
           {"A[L_]B[L_]C[L_]D[L_]E", "A[L_]B[L_]C[L_]D[W_]E"},
           {"A[W_]B", "A[W_]B"},
           {"A[WS]B", "A[WS]B"},
           {"A[LS]B", "A[LS]B"},
           {"A[L_]", "A[W_]"},
           {"A[XY]B{1A}", "AB{1A}"}}) {  // an unknown code is lost after a save
    EXPECT_EQ(RoundTrip(before), after) << before;
  }
}

TEST(StoredFromLines, ReadsAtMost255LinesOf255Characters) {
  std::vector<std::string> lines(300);
  for (size_t i = 0; i < lines.size(); ++i) lines[i] = "x";
  const std::string stored = StoredFromLines(lines);
  size_t xs = 0;
  for (char ch : stored) xs += ch == 'x';
  EXPECT_EQ(xs, 255u);

  const std::string longLine(300, 'q');
  EXPECT_EQ(StoredFromLines({longLine, "B"}), std::string(255, 'q') + "[L_]B");
}

// Saving what a save produced changes nothing more: the normal form is stable.
TEST(StoredFromLines, NormalFormIsStableOnRandomTexts) {
  const char* pieces[] = {"A", "Bo", " ", "   ", "[L_]", "[LS]", "[W_]", "[WS]", "[Q!]", "{1A}", "[", "Kael"};
  std::mt19937 rng(7);
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    const int count = static_cast<int>(rng() % 14);
    for (int k = 0; k < count; ++k) text += pieces[rng() % std::size(pieces)];
    const std::string once = RoundTrip(text);
    ASSERT_EQ(RoundTrip(once), once) << "from \"" << text << "\"";
    ASSERT_EQ(once.find('\r'), std::string::npos);
  }
}

}  // namespace
}  // namespace orvane
