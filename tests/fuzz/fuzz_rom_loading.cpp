// ROM loading from arbitrary bytes. Two kinds of input:
// - a whole file of any size, with or without a copier header, decoded in memory or loaded through
//   RomLaden from a file on disk;
// - a realistic full-size image with patches at the places the loader reads (pointer tables, the
//   dictionary, name records), so that broken pointers and entries get exercised.
// Loading never crashes, shows only its own messages, refuses exactly the files whose header bytes
// 38..118 are not all zero, and leaves a complete decode table behind.
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "common/file_helpers.h"
#include "common/run_error.h"
#include "document.h"
#include "harness.h"
#include "rom/character_table.h"
#include "rom/layout.h"
#include "rom/rom_loader.h"
#include "support/realistic_rom.h"
#include "support/rom_fixture.h"

namespace {

using namespace orvane;
using fuzz::InputReader;

// Places the loader reads from; a patch starts at one of them plus a small signed offset.
std::vector<int32_t> Anchors() {
  std::vector<int32_t> anchors = {kDictionaryPointers, kDictionaryData, kTitelZeigerTabelle, kTitelDatenStart,
                                  kStadtZeigerStart,   kStadtDatenStart, kItemRecords,       kEnemyRecords,
                                  kTechRecords,        kItemInfoPointers, kItemInfoData,     kTechInfoPointers,
                                  kTechInfoData,       kFullImageSize - 16};
  for (const BankPlace& bank : kBankPlaces) {
    anchors.push_back(bank.pointerTable);
    anchors.push_back(bank.dataStart);
    anchors.push_back(bank.dataEnd - 8);
  }
  return anchors;
}

const std::string& TableFile() {
  static const std::string table = testing::TypicalTableFile();
  return table;
}

void CheckDecodeTable(const Document& doc) {
  const CodeTable& column1 = doc.Tabelle[1];
  for (int code = 0; code < 0xFF; ++code) FUZZ_CHECK(!column1[code].empty());
  FUZZ_CHECK(column1[kCodeLine] == "[L_]" && column1[kCodeWindowIndent] == "[WS]");
  FUZZ_CHECK(doc.Tabelle[2][kCodeLineIndent] == "[LS]" && doc.Tabelle[2][kCodeWindow] == "[W_]");
}

// Decodes in memory; the only error an image may cause is the decoded-text limit (7).
void Decode(const RomImage& rom, int16_t ladeOption) {
  static Document doc;
  doc.Tabelle[2].fill(std::string());
  ReadTableFile(doc, std::vector<uint8_t>(TableFile().begin(), TableFile().end()));
  try {
    DecodeRomImage(doc, rom, ladeOption);
  } catch (const RunError& e) {
    FUZZ_CHECK(e.number() == errors::kOutOfMemory);
    return;
  }
  CheckDecodeTable(doc);
  for (int b = 1; b <= kBankCount; ++b)
    for (int t = 1; t <= doc.BankInfo[b].TextCount; ++t) FUZZ_CHECK(doc.Texte[b][t].Aktuell == doc.Texte[b][t].Original);
}

void LoadFromFile(const std::string& bytes, int16_t ladeOption) {
  static const testing::TempFolder folder;
  static const std::string table = testing::WriteTableFile(folder.path(), TableFile());
  const std::string rom = folder.file("game.smc");
  WriteFileAtomically(rom, bytes);

  bool headerClear = true;
  for (size_t p = kHeaderCheckFirst; p <= kHeaderCheckLast && p < bytes.size(); ++p)
    headerClear = headerClear && bytes[p] == 0;

  static Document doc;
  fuzz::CheckingPrompter prompter(0, {{"Bad Rom!!!", "This Rom doesn't have a Header!"},
                                      {"Error", "7\r\nLoadRom_Form\r\nOut of memory"}},
                                  {});
  RomLoadParams params;
  params.romPath = rom;
  params.ladeOption = ladeOption;
  params.programFolder = folder.path();
  const LoadOutcome outcome = RomLaden(doc, params, prompter);
  FUZZ_CHECK(doc.RomPfadGeladen == rom);
  if (!headerClear) {
    FUZZ_CHECK(outcome == LoadOutcome::HeaderRejected);
    return;
  }
  FUZZ_CHECK(outcome == LoadOutcome::Loaded || outcome == LoadOutcome::Failed);
  FUZZ_CHECK((outcome == LoadOutcome::Failed) == (prompter.messages() == 1));
  if (outcome == LoadOutcome::Loaded) CheckDecodeTable(doc);
}

// Patch records: anchor, signed offset (2 bytes), length, bytes.
void DecodePatched(InputReader& in, int16_t ladeOption) {
  static const std::vector<int32_t> anchors = Anchors();
  static RomImage rom = testing::RealisticRom(7).image();
  std::vector<std::pair<int32_t, uint8_t>> saved;
  while (!in.done()) {
    const int32_t anchor = anchors[in.byte() % anchors.size()];
    const int32_t at = anchor + static_cast<int16_t>(in.word()) % 512;
    const std::string bytes = in.bytes(in.byte() % 48);
    for (size_t i = 0; i < bytes.size(); ++i) {
      const int32_t p = at + static_cast<int32_t>(i);
      if (p < 0 || p >= rom.size()) continue;
      saved.emplace_back(p, rom.LeseByte(p));
      rom.SchreibeByte(p, static_cast<uint8_t>(bytes[i]));
    }
  }
  Decode(rom, ladeOption);
  // Undone in reverse, so that a byte patched twice gets its first value back.
  for (auto it = saved.rbegin(); it != saved.rend(); ++it) rom.SchreibeByte(it->first, it->second);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  InputReader in(data, size);
  const uint8_t mode = in.byte();
  const int16_t ladeOption = mode & 1;
  switch (mode >> 1 & 3) {
    case 0: DecodePatched(in, ladeOption); break;
    case 1: LoadFromFile(in.rest(), ladeOption); break;
    default: {
      const std::string file = in.rest();
      Decode(RomImage(std::vector<uint8_t>(file.begin(), file.end())), ladeOption);
    }
  }
  return 0;
}
