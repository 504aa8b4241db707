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

TEST(DisplayForm, ShowsTheFourCodesAsBreaks) {
  EXPECT_EQ(DisplayForm("A[L_]B[WS]C"), "A\r\nB\r\n\r\n   C");
  EXPECT_EQ(DisplayForm("A[LS]B"), "A\r\n   B");
  EXPECT_EQ(DisplayForm("A[W_]B"), "A\r\n\r\nB");
  EXPECT_EQ(DisplayForm("{1A}Kael..."), "{1A}Kael...");
  EXPECT_EQ(DisplayForm(""), "");
}

TEST(DisplayForm, UnknownBracketCodeVanishesWithItsThreeCharacters) {
  EXPECT_EQ(DisplayForm("A[XY]B"), "AB");
  EXPECT_EQ(DisplayForm("A[l_]B"), "AB");        // case matters
  EXPECT_EQ(DisplayForm("A[L_xB"), "A\r\nB");  // the closing character is not checked
  EXPECT_EQ(DisplayForm("A[[L_]]B"), "A]]B");    // the first "[" eats "[L_", the rest is plain
  EXPECT_EQ(DisplayForm("AB[L"), "AB");          // a cut-off code at the end disappears too
  EXPECT_EQ(DisplayForm("AB["), "AB");
}

TEST(StoredFromLines, FourthLineEndsTheWindow) {
  EXPECT_EQ(RoundTrip("A[L_]B[L_]C[L_]D[L_]E"), "A[L_]B[L_]C[L_]D[W_]E");
  EXPECT_EQ(StoredFromLines({"A", "B", "C", "D", "E", "F", "G", "H", "I"}),
            "A[L_]B[L_]C[L_]D[W_]E[L_]F[L_]G[L_]H[W_]I");
  EXPECT_EQ(StoredFromLines({"A", "B", "C", "D", "   E"}), "A[L_]B[L_]C[L_]D[WS]E");
}

TEST(StoredFromLines, EmptyLineIsAWindowBreakAndResetsTheCount) {
  EXPECT_EQ(RoundTrip("A[W_]B"), "A[W_]B");
  EXPECT_EQ(StoredFromLines({"A", "", "B", "C", "D", "E", "F"}), "A[W_]B[L_]C[L_]D[L_]E[W_]F");
  EXPECT_EQ(StoredFromLines({"A", "  ", "B"}), "A[W_]B");  // a line of blanks counts as empty
  EXPECT_EQ(StoredFromLines({"A", "", "   B"}), "A[WS]B");
  EXPECT_EQ(RoundTrip("A[WS]B"), "A[WS]B");
}

TEST(StoredFromLines, IndentedLines) {
  EXPECT_EQ(RoundTrip("A[LS]B"), "A[LS]B");
  EXPECT_EQ(StoredFromLines({"A", "    B"}), "A[LS] B");      // only three blanks are taken
  EXPECT_EQ(StoredFromLines({"A", "  B"}), "A[L_]  B");        // two are not an indentation
  EXPECT_EQ(StoredFromLines({"   A", "B"}), "   A[L_]B");      // the first line keeps its blanks
}

TEST(StoredFromLines, EmptyLinesInARowAndAtTheEnd) {
  EXPECT_EQ(StoredFromLines({"A", "", "", "B"}), "A[W_][L_]B");
  EXPECT_EQ(StoredFromLines({"A", ""}), "A[W_]");
  EXPECT_EQ(RoundTrip("A[L_]"), "A[W_]");
  EXPECT_EQ(StoredFromLines({"A", "", ""}), "A[W_]");
  EXPECT_EQ(StoredFromLines({""}), "");
  EXPECT_EQ(StoredFromLines({}), "");
}

TEST(StoredFromLines, UnknownBracketCodeIsLostAfterSave) {
  EXPECT_EQ(RoundTrip("A[XY]B{1A}"), "AB{1A}");
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
