// Writes the fuzz targets' seed corpora from test data the project makes itself. Run it from time to
// time when the formats change: make_fuzz_corpus tests/fuzz/corpus
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

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
  return 0;
}
