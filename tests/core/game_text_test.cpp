// What the player sees of a dialogue text: its windows as the game lays them out, drawn as the command
// line prints them, the same lines the pane shows once "Save" has coded them, and reflowing a text or a
// bank into full lines.
#include <gtest/gtest.h>

#include <random>

#include "editors/game_window.h"
#include "editors/reflow.h"

namespace orvane {
namespace {

using Lines = std::vector<std::string>;

// Each code, names and escapes, a full line, one character over, a fifth line, "[LS]" paragraphs,
// in windows ten columns wide.
TEST(GameText, EveryCodeAndEveryExcessInTheWindowsItGives) {
  const std::string border = "+----------+\n";
  const std::tuple<std::string, std::string, int, int> rows[] = {
      {"A[L_]B[LS]C", border + "|A         |\n|B         |\n|   C      |\n" + border, 0, 0},
      {"A[W_]B[WS]C", border + "|A         |\n" + border + border + "|B         |\n" + border + border +
                          "|   C      |\n" + border, 0, 0},
      {"Kael {1A}[Q!]", border + "|Kael {1A}[Q!]|!\n" + border, 1, 0},
      {"0123456789   ", border + "|0123456789|\n" + border, 0, 0},
      {"0123456789X", border + "|0123456789X|!\n" + border, 1, 0},
      {"1[L_]2[L_]3[L_]4[L_]5[W_]6", border + "|1         |\n|2         |\n|3         |\n|4         |\n"
                                     "|5         |!\n" + border + border + "|6         |\n" + border, 0, 1},
      {"Hi.[LS]Go on.[LS]Stop.", border + "|Hi.       |\n|   Go on. |\n|   Stop.  |\n" + border, 0, 0},
      // A break with nothing after it: an empty line, or an empty window; no text at all is one empty window.
      {"[L_]A[W_]", border + "|          |\n|A         |\n" + border + border + border, 0, 0},
      {"", border + border, 0, 0}};
  for (const auto& [stored, drawn, longLines, crowded] : rows) {
    const GameText shown = LayOutGameText(stored, 10);
    EXPECT_EQ(std::tuple(DrawWindows(shown), shown.longLines, shown.crowdedWindows, shown.Fits()),
              std::tuple(drawn, longLines, crowded, longLines + crowded == 0)) << stored;
  }
  // Names, escapes and unknown codes are pieces of their own at their column; trailing blanks go.
  const GameText named = LayOutGameText("Kael{1A}[Q!]a{zz}Zuri  ");
  std::vector<std::tuple<PieceKind, std::string, size_t>> pieces;
  for (const LinePiece& piece : named.windows[0].lines[0].pieces)
    pieces.emplace_back(piece.kind, piece.text, piece.column);
  EXPECT_EQ(pieces, (decltype(pieces){{PieceKind::Name, "Kael", 0}, {PieceKind::Code, "{1A}", 4},
                                      {PieceKind::Code, "[Q!]", 8}, {PieceKind::Plain, "a{zz}", 12},
                                      {PieceKind::Name, "Zuri", 17}}));
  EXPECT_EQ(LayOutGameText("0123456789XY", 10).windows[0].lines[0].excess(10), "XY");
}

// The differential against "Save": whatever the pane shows, the game shows the same lines, four to a
// window and a new window at each empty line, once "Save" has coded them.
TEST(GameText, TheGameShowsThePanesLinesFourToAWindow) {
  const char* words[] = {"a", "Kael", "{1A}", "word", "longer", "muchlongerword", "..."};
  std::mt19937 rng(26);
  for (int round = 0; round < 3000; ++round) {
    std::string stored;
    std::vector<Lines> expected;  // the windows
    bool blankLine = false;
    for (int group = 0, groups = 1 + static_cast<int>(rng() % 3); group < groups; ++group) {
      const bool indented = group > 0 && rng() % 2;
      std::string text = indented ? "   " : "";
      for (int k = static_cast<int>(rng() % 12); k >= 0; --k)
        text += std::string(words[rng() % std::size(words)]) + (k == 0 ? "" : rng() % 4 ? " " : rng() % 2 ? "[L_]" : "[LS]");
      stored += (group == 0 ? "" : indented ? "[WS]" : "[W_]") + text.substr(indented ? 3 : 0);
      const Lines lines = PaneLines(text, 10);
      for (size_t i = 0; i < lines.size(); ++i) {
        if (i % kWindowLines == 0) expected.emplace_back();
        const std::string line = lines[i].substr(0, lines[i].find_last_not_of(' ') + 1);
        blankLine = blankLine || line.empty();
        expected.back().push_back(line);
      }
    }
    if (blankLine) continue;  // an indentation alone before a word too long for the rest of its line
    std::vector<Lines> shown;
    for (const GameWindow& window : LayOutGameText(StoredFromLines(PaneLines(stored, 10)), 10).windows) {
      shown.emplace_back();
      for (const WindowLine& line : window.lines) shown.back().push_back(line.text);
    }
    ASSERT_EQ(shown, expected) << stored;
  }
}

// Plain breaks become blanks, "[LS]" and window codes stay, the words fill the lines greedily, the fifth
// line starts a window, a long word keeps a line of its own; a text the pane could not show stays.
TEST(Reflow, FillsTheLinesAndChangesNothingTheSecondTime) {
  const std::tuple<std::string, size_t, std::string> rows[] = {
      {"Nimm das[L_]Iron[L_]Blade mit.", 10, "Nimm das [L_]Iron Blade [L_]mit."},
      {"Hi[L_]there.[LS]Go[L_]on.[W_]A [L_]B", 10, "Hi there.[LS]Go on.[W_]A B"},
      {"a1 a2[L_]a3 a4 a5", 2, "a1 [L_]a2 [L_]a3 [L_]a4 [W_]a5"},
      {"ab[L_]abcdefgh[L_]c", 5, "ab [L_]abcdefgh [L_]c"},
      {"Kael,[L_]Zuri[WS]Orrin", 42, "Kael, Zuri[WS]Orrin"},
      {"Go[L_][L_]on[L_]", 42, "Go[W_]on[W_]"},  // empty lines stay, as "Save" codes them
      {"a[L_][Q!]b", 42, "a[L_][Q!]b"},
      {std::string(300, 'x') + "[L_]y", 42, std::string(300, 'x') + "[L_]y"}};
  for (const auto& [stored, width, reflowed] : rows) {
    EXPECT_EQ(ReflowText(stored, width), reflowed) << stored;
    EXPECT_EQ(ReflowText(reflowed, width), reflowed) << reflowed;
  }
  const char* pieces[] = {"Go", "Kael", "{1A}", " ", "[L_]", "[LS]", "[W_]", "[WS]", "longerword", "."};
  std::mt19937 rng(62);
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    for (int k = static_cast<int>(rng() % 30); k > 0; --k) text += pieces[rng() % std::size(pieces)];
    const std::string reflowed = ReflowText(text, 12);
    ASSERT_EQ(ReflowText(reflowed, 12), reflowed) << text;
    ASSERT_EQ(LayOutGameText(reflowed, 12).crowdedWindows, 0) << text;
  }
}

// A bank's plan names the texts reflowing changes (only those that do not fit, when asked) and applying
// it puts them in.
TEST(Reflow, ABanksPlanAndItsApplying) {
  Document doc;
  const std::string wide = "These words run on far past the forty-two columns of a line.";
  doc.Texte[1][1].Aktuell = "Fine.";
  doc.Texte[1][2].Aktuell = "Nimm das[L_]Iron[L_]Blade mit.";
  doc.Texte[1][3].Aktuell = wide;
  doc.Texte[2][1].Aktuell = "1[L_]2[L_]3[L_]4[L_]5";
  const auto places = [](const std::vector<TextReflow>& plan) {
    std::vector<std::string> named;
    for (const TextReflow& change : plan) named.push_back(PlaceName(change.place) + ": " + change.after);
    return named;
  };
  const std::string wrapped = "These words run on far past the forty-two [L_]columns of a line.";
  EXPECT_EQ(places(PlanReflow(doc, 1, ReflowChoice::Every)),
            (Lines{"bank 1 text 2: Nimm das Iron Blade mit.", "bank 1 text 3: " + wrapped}));
  EXPECT_EQ(places(PlanReflow(doc, 0, ReflowChoice::UnfitOnly)),
            (Lines{"bank 1 text 3: " + wrapped, "bank 2 text 1: 1 2 3 4 5"}));
  const DocumentChange reflow = ReflowChange(doc, PlanReflow(doc, 1, ReflowChoice::UnfitOnly));
  reflow.apply(doc);
  EXPECT_EQ(std::tuple(reflow.description(), doc.Texte[1][2].Aktuell, doc.Texte[1][3].Aktuell),
            std::tuple("Reflow", "Nimm das[L_]Iron[L_]Blade mit.", wrapped));
  EXPECT_EQ(ReflowChange(doc, PlanReflow(doc, 0, ReflowChoice::Every)).description(), "Reflow (2 texts)");
}

}  // namespace
}  // namespace orvane
