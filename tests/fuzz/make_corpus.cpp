// Writes the fuzz targets' seed corpora from test data the project makes itself. Run it from time to
// time when the formats change: make_fuzz_corpus tests/fuzz/corpus
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "demo/demo_document.h"
#include "demo/demo_phrases.h"
#include "demo/demo_rom.h"
#include "rom/layout.h"
#include "support/rom_fixture.h"

namespace {

namespace fs = std::filesystem;

void Put(const fs::path& folder, const std::string& name, const std::string& bytes) {
  fs::create_directories(folder);
  std::ofstream(folder / name, std::ios::binary) << bytes;
}

std::string Byte(int value) { return std::string(1, static_cast<char>(value)); }

void CharacterTables(const fs::path& folder) {
  using orvane::testing::TypicalTableFile;
  Put(folder, "typical.tbl", TypicalTableFile());
  Put(folder, "lower_case_and_empty_texts.tbl", "41=\r\nef= \r\na0=A\r\n05=X\r\nA0=again");
  Put(folder, "bare_line_ends.tbl", "A0=A\nA1=B\rA2=C\n");
  Put(folder, "bad_line.tbl", "A0=A\r\n5=A\r\n");
  Put(folder, "short_line.tbl", "A0=A\r\nA1\r\n");
  Put(folder, "demo.tbl", orvane::demo::DemoTableFile());
}

// Inputs of the ROM target: a mode byte (bit 0 the "edited with V 0.95" option; bits 1-2: 0 patches
// on a full image, 1 the rest as a file loaded from disk, 2 the rest as an image decoded in memory).
// Patch records: anchor index (see the target), offset (2 bytes, signed), length, bytes.
std::string Patch(int anchor, int offset, const std::string& bytes) {
  return Byte(anchor) + Byte(offset & 0xFF) + Byte((offset >> 8) & 0xFF) + Byte(static_cast<int>(bytes.size())) +
         bytes;
}

void RomImages(const fs::path& folder) {
  const std::vector<uint8_t> demo = orvane::demo::BuildDemoRom();
  const std::string demoStart(demo.begin(), demo.begin() + 2048);
  std::string badHeader(600, '\0');
  badHeader[40] = 1;
  Put(folder, "file_demo_start.bin", Byte(2) + demoStart);
  Put(folder, "file_bad_header.bin", Byte(3) + badHeader);
  Put(folder, "file_tiny.bin", Byte(2) + std::string(100, '\0'));
  Put(folder, "memory_header_only.bin", Byte(4) + std::string(512, '\0'));
  Put(folder, "memory_empty.bin", Byte(5));
  Put(folder, "patched_nothing.bin", Byte(0));
  const int kDictionaryPointersAnchor = 0, kDictionaryDataAnchor = 1, kImageEndAnchor = 13, kFirstBank = 14;
  Put(folder, "patched_dictionary_nested.bin",
      Byte(0) + Patch(kDictionaryPointersAnchor, 0, "\x00\x00\x02\x00") +
          Patch(kDictionaryDataAnchor, 0, std::string(40, '\x21')));
  Put(folder, "patched_text_to_image_end.bin",
      Byte(1) + Patch(kFirstBank + 3 * 16, 0, "\xF0\xFF") + Patch(kImageEndAnchor, 0, std::string(16, '\xA0')));
  Put(folder, "patched_bank_pointers.bin", Byte(0) + Patch(kFirstBank, 2, std::string(30, '\xFF')) +
                                                 Patch(kFirstBank + 1, -4, std::string(8, '\x00')));
}

// Inputs of the encoder target: flags (bit 0 start from the built-in table, bit 1 shape every byte
// into a small alphabet, bit 2 exclude codes), entry count, entries (code, length, bytes), with bit 2
// a count and the excluded codes, then the text.
void EncoderInputs(const fs::path& folder) {
  const std::string sentence(orvane::demo::Sentences()[0]);
  Put(folder, "built_in_sentence.bin", Byte(1) + Byte(0) + sentence + "[L_]{1A}{1a}{A0}{FF}{ZZ}{1}");
  Put(folder, "dictionary_over_built_in.bin",
      Byte(1) + Byte(3) + Byte(0x21) + Byte(2) + "th" + Byte(0x22) + Byte(3) + "the" + Byte(0x23) + Byte(0) +
          "the thin {21} [LS]");
  Put(folder, "alphabet_overlaps.bin", Byte(2) + Byte(4) + Byte(1) + Byte(2) + "ab" + Byte(2) + Byte(1) + "a" +
                                           Byte(3) + Byte(3) + "bcd" + Byte(4) + Byte(0) + "abcdabcd");
  Put(folder, "alphabet_excluded.bin", Byte(7) + Byte(2) + Byte(1) + Byte(2) + "ab" + Byte(2) + Byte(1) + "a" +
                                           Byte(1) + Byte(1) + "abab");
}

// Inputs of the optimizer target: mode (0 accurate, 1 fast, 2 smallest, 3 automatic), pick limit,
// stop after (0 never), seed (2 bytes), bank count, then texts separated by line feeds.
void OptimizerInputs(const fs::path& folder) {
  std::string texts;
  for (size_t i = 0; i < 40 && i < orvane::demo::Sentences().size(); ++i) texts += std::string(orvane::demo::Sentences()[i]) + "\n";
  for (int mode = 0; mode < 4; ++mode)
    Put(folder, "demo_sentences_mode" + std::to_string(mode) + ".bin",
        Byte(mode) + Byte(127) + Byte(0) + Byte(7) + Byte(1) + Byte(3) + texts);
  Put(folder, "stopped_early.bin", Byte(3) + Byte(127) + Byte(3) + Byte(1) + Byte(0) + Byte(1) + texts);
  Put(folder, "nothing_found.bin", Byte(0) + Byte(5) + Byte(0) + Byte(0) + Byte(0) + Byte(0) + "a\nb\n[L_]");
  Put(folder, "limit_zero.bin", Byte(0) + Byte(0) + Byte(0) + Byte(0) + Byte(0) + Byte(0) + std::string(60, 'x'));
}

// Inputs of the project target: a mode byte (bit 0 raw file, bit 1 bare LF line ends), an answer
// byte (bit i answers the i-th error question), then the raw file or edit records of four parts:
// line (2 bytes, low first), operation (0 replace, 1 insert, 2 delete, 3 cut), length, bytes.
std::string Edit(int line, int op, const std::string& value) {
  return Byte(line & 0xFF) + Byte(line >> 8) + Byte(op) + Byte(static_cast<int>(value.size())) + value;
}

void ProjectFiles(const fs::path& folder) {
  const std::string header = "[Orvane Texteditor V 1.00]\r\n";
  Put(folder, "unchanged.bin", Byte(0) + Byte(0xFF));
  Put(folder, "unchanged_bare_lf.bin", Byte(2) + Byte(0));
  Put(folder, "raw_header_only.bin", Byte(1) + Byte(0xFF) + header);
  Put(folder, "raw_wrong_case.bin", Byte(1) + Byte(0) + "[orvane texteditor v 1.00]\r\n\r\n[TABELS]\r\n");
  Put(folder, "raw_tables_cut.bin", Byte(1) + Byte(0x0F) + header + "\r\n[TABELS]\r\nA\r\nA\r\nB");
  Put(folder, "cut_in_texts.bin", Byte(0) + Byte(0) + Edit(600, 3, "xyz"));
  Put(folder, "cut_at_sections.bin", Byte(0) + Byte(0xFF) + Edit(9948, 3, std::string(20, 'x')));
  Put(folder, "texts_header_moved.bin", Byte(0) + Byte(0) + Edit(513, 2, "") + Edit(700, 1, "[TEXTBLOCKS]"));
  Put(folder, "bad_symbol.bin", Byte(0) + Byte(0xFF) + Edit(10090, 0, " 256 "));
  Put(folder, "symbol_without_blanks.bin", Byte(0) + Byte(0) + Edit(10090, 0, "32"));
  Put(folder, "magic_header_lost.bin", Byte(0) + Byte(0) + Edit(11047, 0, "[MAGIC"));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_fuzz_corpus <corpus folder>\n";
    return 2;
  }
  const fs::path root(argv[1]);
  CharacterTables(root / "character_table");
  ProjectFiles(root / "project_file");
  RomImages(root / "rom_loading");
  EncoderInputs(root / "encoder");
  OptimizerInputs(root / "optimizer");
  return 0;
}
