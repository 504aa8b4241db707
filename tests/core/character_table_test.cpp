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

TEST(CharacterTable, LinesMapCodesToVerbatimTexts) {
  Document doc;
  ASSERT_EQ(ReadError(doc, "A0=A\r\nef= \r\n41=\r\n4f=  two  spaces \r\nB0=x=y\r\n"), 0);
  EXPECT_EQ(doc.Tabelle[2][0xA0], "A");
  EXPECT_EQ(doc.Tabelle[2][0xEF], " ");
  EXPECT_EQ(doc.Tabelle[2][0x41], "");
  EXPECT_EQ(doc.Tabelle[2][0x4F], "  two  spaces ");
  EXPECT_EQ(doc.Tabelle[2][0xB0], "x=y");
  EXPECT_EQ(doc.Tabelle[1][0xA0], "");  // column 1 is not the file's
}

TEST(CharacterTable, AnySeparatorAndEightBitTextsAreKept) {
  Document doc;
  ASSERT_EQ(ReadError(doc, "C0\tä\xE9\r\nC1 \xFF\r\n"), 0);
  EXPECT_EQ(doc.Tabelle[2][0xC0], "ä\xE9");
  EXPECT_EQ(doc.Tabelle[2][0xC1], "\xFF");
}

TEST(CharacterTable, LaterLineForTheSameCodeWins) {
  Document doc;
  ASSERT_EQ(ReadError(doc, "A0=first\r\na0=second\r\n"), 0);
  EXPECT_EQ(doc.Tabelle[2][0xA0], "second");
}

TEST(CharacterTable, LineEndingsBareLfBareCrAndNoneAtTheEnd) {
  Document doc;
  ASSERT_EQ(ReadError(doc, "A0=A\nA1=B\rA2=C\r\nA3=D"), 0);
  EXPECT_EQ(doc.Tabelle[2][0xA0], "A");
  EXPECT_EQ(doc.Tabelle[2][0xA1], "B");
  EXPECT_EQ(doc.Tabelle[2][0xA2], "C");
  EXPECT_EQ(doc.Tabelle[2][0xA3], "D");
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

TEST(CharacterTable, BinaryFileFailsWithoutCrashing) {
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 131 + 7) & 0xFF);
  Document doc;
  EXPECT_NE(ReadError(doc, binary), 0);
  EXPECT_NE(ReadError(doc, std::string("\0\0\0", 3)), 0);
  EXPECT_EQ(ReadError(doc, std::string("00=\0\r\n", 6)), 0);
  EXPECT_EQ(doc.Tabelle[2][0x00], std::string("\0", 1));
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
