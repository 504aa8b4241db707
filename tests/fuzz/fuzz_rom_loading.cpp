// ROM loading from arbitrary bytes: a file of any size loaded through RomLaden, an image decoded in
// memory, or the demo image patched at the places the loader reads (pointer tables,
// the dictionary, name records). Loading never crashes, shows only its own messages, refuses
// exactly the files of neither image size and the headed ones whose header bytes 38..118 are not all
// zero, asks before opening what does not look like the game's, and leaves a complete decode table.
// Input: mode (1 the "edited with V 0.95" option; 2 a file, 4 an image, else patches),
// then the bytes or patch records (anchor, signed offset in 2 bytes, length, bytes).
#include "common/file_helpers.h"
#include "common/run_error.h"
#include "demo/demo_rom.h"
#include "harness.h"
#include "rom/character_table.h"
#include "rom/game_check.h"
#include "image_kind.h"
#include "rom/rom_loader.h"
#include "support/rom_fixture.h"

using namespace orvane;

const testing::TempFolder kFolder;

// What a load that ended without an error leaves: a complete decode table, both forms of each text alike.
void CheckLoaded(const Document& doc) {
  for (int code = 0; code < 0xFF; ++code) FUZZ_CHECK(!doc.Tabelle[1][code].empty());
  FUZZ_CHECK(doc.Tabelle[1][kCodeLine] == "[L_]" && doc.Tabelle[2][kCodeWindow] == "[W_]");
  for (int b = 1; b <= kBankCount; ++b)
    for (int t = 1; t <= doc.BankInfo[b].TextCount; ++t)
      FUZZ_CHECK(doc.Texte[b][t].Aktuell == doc.Texte[b][t].Original);
}

// In memory the only error an image may cause is the decoded-text limit (7).
void Decode(const RomImage& rom, int16_t option) {
  static const std::string table = testing::TypicalTableFile();
  static Document doc;
  static Workspace workspace;
  doc.Tabelle[2].fill("");
  ReadTableFile(doc, std::vector<uint8_t>(table.begin(), table.end()));
  try {
    DecodeRomImage(doc, rom, option);
  } catch (const RunError& e) {
    return FUZZ_CHECK(e.number() == errors::kOutOfMemory);
  }
  CheckLoaded(doc);
}

void Load(const std::string& bytes, int16_t option) {
  static const std::string table = testing::WriteTableFile(kFolder.path());
  static Document doc;
  static Workspace workspace;
  WriteFileAtomically(kFolder.file("game.smc"), bytes);
  fuzz::FixedPrompter prompter(Answer::No);
  const RomLoadParams params{{kFolder.file("game.smc"), option}, kFolder.path(), ""};
  const LoadOutcome outcome = RomLaden(doc, workspace, params, prompter);
  const std::optional<ImageKind> kind = KindForSize(bytes.size());
  const bool clean =
      kind == ImageKind::Plain || bytes.find_first_not_of('\0', kHeaderCheckFirst) > size_t{kHeaderCheckLast};
  const Message refusal = !kind   ? SizeRefusal(kFolder.file("game.smc"), bytes.size())
                          : clean ? MakeMessage("Error", "7\r\nLoadRom_Form\r\nOut of memory")
                                  : MakeMessage("Bad Rom!!!", "This Rom doesn't have a Header!", Icon::Stop);
  if (outcome == LoadOutcome::NotTheGame)  // answered No: the only message
    FUZZ_CHECK(prompter.messages().size() == 1 && IsForeignImageQuestion(prompter.messages()[0]));
  else
    FUZZ_CHECK(prompter.shown() == (outcome == LoadOutcome::Loaded ? "" : testing::Shown(refusal) + "\n"));
  using enum LoadOutcome;
  FUZZ_CHECK(!kind   ? outcome == SizeRejected
             : clean ? outcome == Loaded || outcome == Failed || outcome == NotTheGame
                     : outcome == HeaderRejected);
  if (outcome == LoadOutcome::Loaded) CheckLoaded(doc);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in{data, size};
  const uint8_t mode = in.byte();
  const std::string bytes = mode & 6 ? in.rest() : "";
  if (mode & 2) return Load(bytes, mode & 1), 0;
  if (mode & 4) return Decode(RomImage(std::vector<uint8_t>(bytes.begin(), bytes.end())), mode & 1), 0;
  static RomImage rom(demo::BuildDemoRom());
  static const std::vector<int32_t> anchors = [] {
    std::vector<int32_t> a{kDictionaryPointers, kDictionaryData, kTitelZeigerTabelle, kTitelDatenStart,
                           kStadtZeigerStart, kStadtDatenStart, kItemRecords, kEnemyRecords, kTechRecords,
                           kItemInfoPointers, kItemInfoData, kTechInfoPointers, kTechInfoData, kFullImageSize - 16};
    for (const BankPlace& bank : kBankPlaces) a.insert(a.end(), {bank.pointerTable, bank.dataStart, bank.dataEnd - 8});
    return a;
  }();
  std::vector<std::pair<int32_t, uint8_t>> saved;
  while (in.size) {
    const int32_t anchor = anchors[in.byte() % anchors.size()], low = in.byte();
    const int32_t at = anchor + static_cast<int16_t>(low | in.byte() << 8) % 512;
    const std::string patch = in.bytes(in.byte() % 48);
    for (int32_t p = std::max(at, 0); p < std::min<int32_t>(at + static_cast<int32_t>(patch.size()), rom.size()); ++p)
      saved.emplace_back(p, rom.LeseByte(p)), rom.SchreibeByte(p, static_cast<uint8_t>(patch[p - at]));
  }
  Decode(rom, mode & 1);
  // Back to the demo, last patch first, so that a byte patched twice gets its first value back.
  std::for_each(saved.rbegin(), saved.rend(), [](const auto& old) { rom.SchreibeByte(old.first, old.second); });
  return 0;
}
