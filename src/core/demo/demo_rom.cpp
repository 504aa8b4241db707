#include "demo/demo_rom.h"

#include <stdexcept>

#include "common/progress_sink.h"
#include "common/prompter.h"
#include "compression/optimizer.h"
#include "demo/demo_document.h"
#include "exchange/cartridge.h"
#include "layout.h"
#include "rom/code_table.h"
#include "writer/write_context.h"

namespace orvane::demo {

namespace {

// The demo is built without anyone to ask: any question means its texts no longer fit.
class NoQuestions : public Prompter {
 public:
  Answer ask(const Message& message) override {
    throw std::logic_error("demo ROM: unexpected message \"" + message.title + "\": " + message.text);
  }
};

void Expect(bool condition, const char* what) {
  if (!condition) throw std::logic_error(std::string("demo ROM: ") + what);
}

// The cartridge header a 4 MiB HiROM image with battery-backed RAM carries, so that emulators and
// the checksum tools know the image; the reset vector points where such a game's code would start.
void PutCartridgeHeader(std::vector<uint8_t>& rom) {
  constexpr size_t kAt = kHeaderSize + 0xFFC0;
  const std::string title = "ORVANE TEXT DEMO     ";  // 21 characters
  std::copy(title.begin(), title.end(), rom.begin() + kAt);
  const uint8_t fields[] = {0x31,  // HiROM, fast
                            0x02,  // ROM, RAM and battery
                            0x0C,  // 4 MiB
                            0x03,  // 8 KiB of RAM
                            0x01,  // North America
                            0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00};  // maker, version, complement, checksum
  std::copy(std::begin(fields), std::end(fields), rom.begin() + kAt + title.size());
  rom[kHeaderSize + 0xFFFC] = 0x00;
  rom[kHeaderSize + 0xFFFD] = 0x80;
  Expect(FixCartridgeChecksum(rom), "the cartridge header is not found");
}

}  // namespace

void MakeDemoDocument(Document& doc) {
  FillDemoDocument(doc);
  NoQuestions prompter;
  SilentProgress progress;
  OptimizerParams params;
  params.mode = OptimizerMode::Accurate;
  const OptimizerOutcome outcome = RunOptimizer(doc, params, progress, prompter);
  Expect(outcome.succeeded && outcome.picks.size() == kDictionaryEntries,
         "the optimizer did not fill the whole dictionary");
  for (int i = 0; i < kDictionaryEntries; ++i) doc.Tabelle[1][kDictionaryFirst + i] = outcome.picks[i];
  TabelleErgaenzen(doc);
}

std::vector<uint8_t> WriteDemoRom(Document& doc) {
  BerechneMaxLaengen(doc);
  doc.Kodiertabelle = doc.Tabelle[1];

  RomImage image(std::vector<uint8_t>(kFullImageSize, 0));
  NoQuestions prompter;
  SilentProgress progress;
  WriteContext ctx{.doc = doc, .image = image, .prompter = prompter, .progress = progress, .overflows = {}};
  ctx.progressTotal = SaveProgressTotal(doc);
  Expect(SchreibeWoerterbuch(ctx) == WriteResult::Finished, "the dictionary was not written");
  Expect(SchreibeBanken(ctx) == WriteResult::Finished, "the banks were not written");
  Expect(SchreibeNamenstabellen(ctx) == WriteResult::Finished, "the name tables were not written");
  Expect(ctx.overflows.empty(), "an entry did not fit");
  Expect(image.size() == kFullImageSize, "the image grew");
  PutCartridgeHeader(image.bytes());
  return std::move(image.bytes());
}

std::vector<uint8_t> BuildDemoRom() {
  Document doc;
  MakeDemoDocument(doc);
  return WriteDemoRom(doc);
}

}  // namespace orvane::demo
