#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/run_error.h"
#include "document.h"
#include "rom/character_table.h"
#include "support/rom_fixture.h"

namespace orvane {
namespace {

using testing::TempFolder;
using testing::WriteTableFile;

std::vector<uint8_t> FileBytes(const std::string& text) { return {text.begin(), text.end()}; }

// The error number ReadTableFile ends with, 0 when it reads the whole file.
int ReadError(Document& doc, const std::string& file) {
  try {
    ReadTableFile(doc, FileBytes(file));
  } catch (const RunError& e) {
    return e.number();
  }
  return 0;
}

TEST(CharacterTable, GoodFilesMapCodesToVerbatimTexts) {
  struct Case {
    std::string file;
    std::vector<std::pair<int, std::string>> expected;
  };
  const Case cases[] = {
      {"A0=A\r\nef= \r\n41=\r\n4f=  two  spaces \r\nB0=x=y\r\n",
       {{0xA0, "A"}, {0xEF, " "}, {0x41, ""}, {0x4F, "  two  spaces "}, {0xB0, "x=y"}}},
      {"C0\t\xE4\xE9\r\nC1 \xFF\r\n", {{0xC0, "\xE4\xE9"}, {0xC1, "\xFF"}}},  // any separator, 8-bit text
      {"A0=first\r\na0=second\r\n", {{0xA0, "second"}}},                  // the later line wins
      {"A0=A\nA1=B\rA2=C\r\nA3=D", {{0xA0, "A"}, {0xA1, "B"}, {0xA2, "C"}, {0xA3, "D"}}},
      {std::string("00=\0\r\n", 6), {{0x00, std::string("\0", 1)}}},
  };
  for (const Case& c : cases) {
    Document doc;
    ASSERT_EQ(ReadError(doc, c.file), 0) << c.file;
    for (const auto& [code, text] : c.expected) EXPECT_EQ(doc.Tabelle[2][code], text) << c.file;
    EXPECT_EQ(doc.Tabelle[1][c.expected[0].first], "");  // column 1 is not the file's
  }
}

TEST(CharacterTable, MalformedLinesFailKeepingTheLinesBefore) {
  struct Case {
    const char* file;
    int error;
  };
  const Case cases[] = {
      {"A0=A\r\n5=B\r\n", errors::kTypeMismatch},      // one digit, then the separator
      {"A0=A\r\n\r\nA2=C\r\n", errors::kTypeMismatch},  // blank line
      {"A0=A\r\nA1\r\n", errors::kTypeMismatch},        // shorter than three characters
      {"A0=A\r\nG1=B\r\n", errors::kTypeMismatch},      // not hexadecimal
      {"A0=A\r\n 1=B\r\n", errors::kTypeMismatch},      // leading space
      {"A0=A\r\n\n", errors::kTypeMismatch},            // CR LF then a bare LF: an empty line
      {"", errors::kPastEndOfFile},
      {"\r\n", errors::kTypeMismatch},
  };
  for (const Case& c : cases) {
    Document doc;
    EXPECT_EQ(ReadError(doc, c.file), c.error) << c.file;
    if (c.file[0] == 'A') {
      EXPECT_EQ(doc.Tabelle[2][0xA0], "A") << c.file;
    }
    EXPECT_EQ(doc.Tabelle[2][0xA1], "") << c.file;
    EXPECT_EQ(doc.Tabelle[2][0xA2], "") << c.file;
  }
}

TEST(CharacterTable, ProgramFolderWinsOverTheRomFolder) {
  TempFolder program;
  TempFolder roms;
  const std::string rom = roms.file("game.smc");
  EXPECT_EQ(FindTableFile(program.path(), rom), "");

  const std::string besideRom = WriteTableFile(roms.path());
  EXPECT_EQ(FindTableFile(program.path(), rom), besideRom);
  EXPECT_EQ(FindTableFile("", rom), besideRom);

  const std::string inProgram = WriteTableFile(program.path());
  EXPECT_EQ(FindTableFile(program.path(), rom), inProgram);
  // A folder given without its trailing separator is the same folder.
  std::string bare = program.path();
  bare.pop_back();
  EXPECT_EQ(FindTableFile(bare, rom), inProgram);
}

}  // namespace
}  // namespace orvane
