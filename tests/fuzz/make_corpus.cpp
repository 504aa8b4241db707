// Writes the fuzz targets' seed corpora from test data the project makes itself (the input formats
// are described at the top of each target). Run it when a format changes: make_fuzz_corpus tests/fuzz/corpus
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>

#include "demo/demo_phrases.h"
#include "demo/demo_rom.h"
#include "support/rom_fixture.h"

int main(int argc, char** argv) {
  if (argc != 2) return std::cerr << "usage: make_fuzz_corpus <corpus folder>\n", 2;
  const auto put = [&](const std::string& target, const std::string& name, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(argv[1]) / target);
    std::ofstream(std::filesystem::path(argv[1]) / target / name, std::ios::binary) << bytes;
  };
  const auto b = [](std::initializer_list<int> bytes) { return std::string(bytes.begin(), bytes.end()); };
  std::string texts;
  for (size_t i = 0; i < 40; ++i) texts += std::string(orvane::demo::Sentences()[i]) + "\n";
  const std::vector<uint8_t> demo = orvane::demo::BuildDemoRom();
  put("character_table", "typical.tbl", orvane::testing::TypicalTableFile());
  put("character_table", "lower_case_bare_line_ends_bad_line.tbl", "41=\r\nef= \na0=A\rA0=again\r\n5=A");
  put("encoder", "built_in_sentence.bin",
      b({1, 0}) + std::string(orvane::demo::Sentences()[0]) + "[L_]{1A}{1a}{A0}{FF}{ZZ}{1}");
  put("encoder", "alphabet_excluded.bin", b({7, 2, 1, 2}) + "ab" + b({2, 1}) + "a" + b({1, 1}) + "abab");
  // Whole tables over the small alphabet: duplicates, prefixes, empty and long entries are common.
  std::mt19937 rng(20261206);
  for (int i = 0; i < 40; ++i) {
    std::string input = b({2 | i % 2 * 4 | (i % 5 == 0) * 8, 255});
    for (int code = 0; code < 255; ++code) {
      const auto length = static_cast<int>(rng() % 10 == 0 ? 0 : rng() % 10 < 4 ? 1 : rng() % 8 ? 4 : 14);
      input += b({code, length}) + std::string(length, '\0');
      for (int n = 0; n < length; ++n) input[input.size() - 1 - n] = static_cast<char>(rng());
    }
    for (int n = 0; n < 500; ++n) input += static_cast<char>(rng());
    put("encoder", "random_table_" + std::to_string(i) + ".bin", input);
  }
  for (int mode = 0; mode < 4; ++mode)
    put("optimizer", "demo_sentences_mode" + std::to_string(mode) + ".bin",
        b({mode, 127, mode == 3 ? 3 : 0, 7, 1, 3}) + texts);
  for (int i = 0; i < 25; ++i) {  // accurate runs on texts rich in pairs the optimizer must leave out
    std::string input = b({0, 127, 0, i, 0, i % 4});
    for (size_t n = 1 + rng() % 30 * (1 + i % 4); n > 0; --n, input += '\n')
      for (size_t length = rng() % 80; length > 0; --length) input += "eeaat  th.,[]LS_W{}1AAa\xE4\xFF"[rng() % 25];
    put("optimizer", "random_texts_" + std::to_string(i) + ".bin", input);
  }
  put("optimizer", "nothing_found.bin", b({0, 5, 0, 0, 0, 0}) + "a\nb\n[L_]");
  put("optimizer", "no_dialogue_fails.bin", b({0, 127, 0, 0, 0, 0}));
  put("project_file", "unchanged.bin", b({0, 0xFF}));
  put("project_file", "raw_tables_cut.bin", b({1, 0x0F}) + "[Orvane Texteditor V 1.00]\r\n\r\n[TABELS]\r\nA\r\nA\r\nB");
  put("project_file", "texts_header_moved_bad_symbol.bin",
      b({2, 0xFF, 0x01, 0x02, 2, 0, 0xBC, 0x02, 1, 12}) + "[TEXTBLOCKS]" + b({0x6A, 0x27, 0, 5}) + " 256 ");
  put("rom_loading", "file_demo_start.bin", b({2}) + std::string(demo.begin(), demo.begin() + 2048));
  put("rom_loading", "file_bad_header.bin", b({3}) + std::string(40, '\0') + b({1}) + std::string(600, '\0'));
  put("rom_loading", "patched_dictionary_nested.bin",
      b({0, 0, 0, 0, 4, 0, 0, 2, 0, 1, 0, 0, 40}) + std::string(40, '\x21'));
  put("rom_loading", "patched_text_to_image_end.bin",
      b({1, 14 + 3 * 16, 0, 0, 2, 0xF0, 0xFF, 13, 0, 0, 16}) + std::string(16, '\xA0'));
}
