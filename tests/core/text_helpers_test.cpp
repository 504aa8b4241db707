#include <gtest/gtest.h>

#include <array>

#include "common/progress_sink.h"
#include "common/run_error.h"
#include "common/text_helpers.h"
#include "document.h"
#include "rom/code_table.h"
#include "rom/rom_image.h"

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

TEST(RomImage, PointersReadWithinTheirBankAndShiftedByTheHeader) {
  RomImage image;
  image.SchreibeByte(0x370200, 0x90);
  image.SchreibeByte(0x370201, 0x05);
  EXPECT_EQ(image.LeseZeiger(0x370200), 0x370790);
  EXPECT_EQ(image.LeseZeiger(0x20000), 0x20200);  // pointer 0x0000
  EXPECT_EQ(image.LeseByte(0x7FFFFFF), 0);       // past the end reads 0
  image.SchreibeZeiger(0x370200, 0x370590);
  EXPECT_EQ(image.LeseByte(0x370200), 0x90);
  EXPECT_EQ(image.LeseByte(0x370201), 0x03);
}

TEST(DocumentModel, ConstructionFillsTheLayoutAndTitle) {
  Document doc;
  EXPECT_EQ(doc.TotalTextCount(), 4717);
  EXPECT_EQ(doc.BankInfo[15].PointerTable, 0x3FD13B);
  EXPECT_EQ(doc.TitelDatenEnde, 0x3FD495);
  EXPECT_EQ(doc.Fenstertitel, "Orvane Texteditor V 1.0");
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
