// The read-back check: a text the written image does not give back is reported with its place;
// what the decoder always changes (escape case, escapes of codes with a text, dictionary codes,
// the padding of record names, empty dictionary entries) is not.
#include <gtest/gtest.h>

#include "check/read_back.h"
#include "support/write_harness.h"

namespace orvane {
namespace {

TEST(ReadBack, ReportsTheTextADictionaryEntryCannotGiveBack) {
  testing::WriteHarness h;
  // A line code ends a dictionary entry when it is read, so "x[L_]" reads as "x".
  h.SetCode(0x21, "x[L_]");
  h.SetCode(0x22, "");
  h.doc.Texte[1][1].Aktuell = "x[L_]y";
  h.doc.Texte[1][2].Aktuell = "{1a}{A0}{ff}Kael[WS]{22}";
  h.doc.TechNamen[0] = "*Fire";
  h.doc.GegnerNamen[0] = "Bat";
  h.doc.Items[1].Name = "Potion";
  ASSERT_EQ(SchreibeWoerterbuch(h.ctx), WriteResult::Finished);
  ASSERT_EQ(SchreibeBanken(h.ctx), WriteResult::Finished);
  ASSERT_EQ(SchreibeNamenstabellen(h.ctx), WriteResult::Finished);

  const std::vector<ReadBackRow> rows = ReadBack(h.doc, h.image);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(ReadBackMessage(rows).text,
            "These texts do not read back from the ROM as they were typed:\r\n"
            "bank 1 text 1 reads back as \"xy\" instead of \"x[L_]y\"");
  const Message message = ReadBackMessage(std::vector<ReadBackRow>(25, rows[0]));
  EXPECT_NE(message.text.find("\r\nbank 1 text 1 reads back as"), std::string::npos);
  EXPECT_NE(message.text.find("\r\nand 5 more"), std::string::npos);
}

}  // namespace
}  // namespace orvane
