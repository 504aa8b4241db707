// The fit measurement against the writers it stands for: every bank's used bytes are what the bank
// writer leaves behind, on a realistic document and after the dictionary lost entries.

#include <gtest/gtest.h>

#include "check/fit.h"
#include "common/progress_sink.h"
#include "rom/rom_loader.h"
#include "support/realistic_rom.h"
#include "support/scripted_prompter.h"
#include "writer/write_context.h"

namespace orvane {
namespace {

TEST(Fit, BanksUseWhatTheBankWriterLeaves) {
  Document doc;
  DecodeRomImage(doc, testing::RealisticRom().image(), 0);
  for (const bool overfullDictionary : {false, true}) {
    if (overfullDictionary) doc.Tabelle[1][0x21] = std::string(250, 'q');  // the last entries are dropped
    const FitReport report = MeasureFit(doc);
    Document written = doc;
    RomImage image(std::vector<uint8_t>(kFullImageSize, 0));
    testing::ScriptedPrompter prompter;
    SilentProgress progress;
    WriteContext ctx{written, image, prompter, progress};
    BerechneMaxLaengen(written);
    written.Kodiertabelle = written.Tabelle[1];
    SchreibeWoerterbuch(ctx);
    ASSERT_EQ(SchreibeBanken(ctx), WriteResult::Finished);
    EXPECT_EQ(report.dictionary.fits, !overfullDictionary);
    EXPECT_EQ(report.overflowNotes.empty(), !overfullDictionary);
    for (int b = 1; b <= kBankCount; ++b) {
      const AreaFit& bank = report.banks[b - 1];
      ASSERT_TRUE(bank.fits) << bank.name;
      EXPECT_EQ(bank.free(), ctx.FreierPlatz[b]) << bank.name;
    }
  }
}

}  // namespace
}  // namespace orvane
