// The team commands of orvane-cli on the demo ROM: po-import writes nothing while an entry is
// refused unless --partial; diff shows what changed; build fixes the checksum and writes a patch
// that apply-patch turns the base into the build with, and refuses on another base; checksum
// reports, fixes and refuses an image without a cartridge header.
#include <gtest/gtest.h>

#include "common/file_helpers.h"
#include "exchange/po_file.h"
#include "support/cli_runner.h"
#include "support/rom_fixture.h"

namespace orvane {
namespace {

using testing::ProgramResult;
using testing::TempFolder;
using Bytes = std::vector<uint8_t>;

class ExchangeCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(Cli({"demo-rom", "-o", File("demo.smc"), "--table-out", File("Orvane_Englisch.tbl")}).exitCode, 0);
    ASSERT_EQ(Cli({"export", File("demo.smc"), "-o", File("demo.ovp")}).exitCode, 0);
  }
  ProgramResult Cli(const std::vector<std::string>& args) {
    return testing::RunProgram(ORVANE_CLI_PATH, args, streams.path());
  }
  std::string File(const std::string& name) const { return work.file(name); }
  static bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

  // The demo project exported to texts.po, with new msgstr texts for the places named.
  void TranslatedPo(const std::vector<std::pair<std::string, std::string>>& texts) {
    ASSERT_EQ(Cli({"po-export", File("demo.ovp"), "-o", File("texts.po")}).exitCode, 0);
    PoReadResult po = ReadPoFile(File("texts.po"));
    for (PoEntry& entry : po.entries)
      for (const auto& [place, text] : texts)
        if (entry.context == place) entry.msgstr = text;
    WritePoFile(File("texts.po"), po.header, po.entries);
  }

  TempFolder work;
  TempFolder streams;
};

TEST_F(ExchangeCommandsTest, PoImportWritesNothingWhileAnEntryIsRefusedUnlessPartial) {
  TranslatedPo({{"bank 1 text 1", "Hallo."}, {"bank 1 text 2", "a#b"}});
  const ProgramResult refused = Cli({"po-import", File("demo.ovp"), File("texts.po"), "-o", File("out.ovp")});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_TRUE(Has(refused.err, "texts.po:18: bank 1 text 2: the character \"#\" has no code in the table"))
      << refused.err;
  EXPECT_FALSE(DateiExistiert(File("out.ovp")));

  const ProgramResult partial =
      Cli({"po-import", File("demo.ovp"), File("texts.po"), "-o", File("out.ovp"), "--partial"});
  EXPECT_EQ(partial.exitCode, 0) << partial.err;
  EXPECT_EQ(partial.out, "1 imported, 5813 unchanged, 0 fuzzy, 1 refused\n");
  const ProgramResult diff = Cli({"diff", File("demo.ovp"), File("out.ovp")});
  EXPECT_EQ(diff.exitCode, 1);
  EXPECT_EQ(diff.out, "bank 1 text 1\n  - My brother went north and never wrote.\n  + Hallo.\n");
  EXPECT_EQ(Cli({"diff", File("out.ovp"), File("out.ovp")}).exitCode, 0);

  EXPECT_EQ(Cli({"po-export", File("demo.ovp"), "-o", File("b.po"), "--bank", "21"}).out, "50 entries written\n");
  EXPECT_EQ(Cli({"po-export", File("demo.ovp"), "-o", File("n.po"), "--only", "names"}).out, "1098 entries written\n");
  EXPECT_EQ(Cli({"po-export", File("demo.ovp"), "-o", File("x.po"), "--only", "names", "--bank", "2"}).exitCode, 2);
}

TEST_F(ExchangeCommandsTest, BuildWritesAPatchThatTurnsTheBaseIntoTheBuild) {
  TranslatedPo({{"bank 1 text 1", "Hallo."}});
  ASSERT_EQ(Cli({"po-import", File("demo.ovp"), File("texts.po"), "-o", File("de.ovp")}).exitCode, 0);
  const ProgramResult built = Cli({"build", File("de.ovp"), "-o", File("de.smc"), "--from", File("demo.smc"),
                                   "--keep-dictionary", "--fix-checksum", "--patch", File("de.bps")});
  ASSERT_EQ(built.exitCode, 0) << built.err;
  EXPECT_EQ(Cli({"checksum", File("de.smc")}).exitCode, 0);

  ASSERT_EQ(Cli({"patch", File("demo.smc"), File("de.smc"), "-o", File("de.ips")}).exitCode, 0);
  for (const char* patch : {"de.bps", "de.ips"}) {
    EXPECT_EQ(Cli({"apply-patch", File(patch), File("demo.smc"), "-o", File("out.smc")}).exitCode, 0);
    EXPECT_EQ(ReadWholeFile(File("out.smc")), ReadWholeFile(File("de.smc"))) << patch;
  }
  const ProgramResult wrongBase = Cli({"apply-patch", File("de.bps"), File("de.smc"), "-o", File("wrong.smc")});
  EXPECT_EQ(wrongBase.exitCode, 1);
  EXPECT_TRUE(Has(wrongBase.err, "This patch was made for another file")) << wrongBase.err;
  EXPECT_FALSE(DateiExistiert(File("wrong.smc")));
}

TEST_F(ExchangeCommandsTest, ChecksumReportsFixesAndRefusesAnImageWithoutHeader) {
  const ProgramResult demo = Cli({"checksum", File("demo.smc")});
  EXPECT_EQ(demo.exitCode, 0);
  EXPECT_TRUE(Has(demo.out, "HiROM header at 0x101C0: stored checksum 0x")) << demo.out;

  Bytes changed = ReadWholeFile(File("demo.smc"));
  changed[0x200000] ^= 0x40;
  WriteFileAtomically(File("changed.smc"), changed);
  EXPECT_EQ(Cli({"checksum", File("changed.smc")}).exitCode, 1);
  EXPECT_EQ(Cli({"checksum", File("changed.smc"), "--fix"}).exitCode, 0);
  EXPECT_EQ(Cli({"checksum", File("changed.smc")}).exitCode, 0);

  WriteFileAtomically(File("blank.smc"), Bytes(0x80200, 0));
  const ProgramResult blank = Cli({"checksum", File("blank.smc"), "--fix"});
  EXPECT_EQ(blank.exitCode, 1);
  EXPECT_TRUE(Has(blank.err, "no cartridge header found")) << blank.err;
}

}  // namespace
}  // namespace orvane
