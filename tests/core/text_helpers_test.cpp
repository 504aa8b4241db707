#include <gtest/gtest.h>

#include <array>

#include "common/progress_sink.h"
#include "common/run_error.h"
#include "common/text_helpers.h"
#include "document.h"
#include "rom/code_table.h"

namespace orvane {
namespace {

TEST(TextHelpers, HexZuZahlReadsEitherCaseAndRejectsTheRest) {
  EXPECT_EQ(HexZuZahl("0A"), 10);
  EXPECT_EQ(HexZuZahl("ef"), 0xEF);
  EXPECT_THROW(HexZuZahl("5="), RunError);
  EXPECT_THROW(HexZuZahl(""), RunError);
  EXPECT_THROW(HexZuZahl("  "), RunError);
}

TEST(TextHelpers, SucheEintragTakesTheLowestIndex) {
  std::array<std::string, 4> list{"a", "b", "b", ""};
  EXPECT_EQ(SucheEintrag(list, "b"), 1);
  EXPECT_EQ(SucheEintrag(list, ""), 3);
  EXPECT_EQ(SucheEintrag(list, "c"), -1);
  EXPECT_EQ(SucheEintrag(std::span<const std::string>{}, "a"), -1);
}

TEST(TextHelpers, ZaehleVorkommenCountsWithoutOverlap) {
  EXPECT_EQ(ZaehleVorkommen("aaaa", "aa", true), 2);
  EXPECT_EQ(ZaehleVorkommen("aaa", "aa", true), 1);
  EXPECT_EQ(ZaehleVorkommen("Kael kael", "kael", true), 1);
  EXPECT_EQ(ZaehleVorkommen("Kael kael", "kael", false), 2);
  EXPECT_EQ(ZaehleVorkommen("abc", "", true), -1);
}

TEST(TextHelpers, NumbersAsPrintedAndAsLabels) {
  EXPECT_EQ(PrintedNumber(1), " 1 ");
  EXPECT_EQ(PrintedNumber(32), " 32 ");
  EXPECT_EQ(SignedLabelNumber(127), " 127");
  EXPECT_EQ(SignedLabelNumber(-3), "-3");
  std::array<int32_t, 3> values{-1, 7, 3};
  EXPECT_EQ(Maximalwert(values), 7);
  EXPECT_EQ(Maximalwert(std::span<const int32_t>{}), 0);
}

TEST(Progress, PercentRoundsHalvesToEvenAndClamps) {
  EXPECT_EQ(ProzentWert(1, 8), 12);   // 12.5 -> 12
  EXPECT_EQ(ProzentWert(3, 8), 38);   // 37.5 -> 38
  EXPECT_EQ(ProzentWert(7000, 6054), 100);
  EXPECT_EQ(ProzentWert(-5, 10), 0);
}

TEST(CodeTable, BuiltInColumnAndEscapes) {
  Document doc;
  PutBuiltInCodes(doc);
  TabelleErgaenzen(doc);
  EXPECT_EQ(doc.Tabelle[1][0xA0], "A");
  EXPECT_EQ(doc.Tabelle[1][0xBA], "a");
  EXPECT_EQ(doc.Tabelle[1][0xE2], "\"");
  EXPECT_EQ(doc.Tabelle[1][0xED], "%");
  EXPECT_EQ(doc.Tabelle[1][0x1A], "{1A}");
  EXPECT_EQ(doc.Tabelle[1][0x21], "{21}");
  EXPECT_EQ(doc.Tabelle[1][0xFF], "");
  EXPECT_EQ(doc.Tabelle[2][0x0C], "[WS]");
  EXPECT_EQ(doc.Tabelle[2][0xA0], "");
}

}  // namespace
}  // namespace orvane
