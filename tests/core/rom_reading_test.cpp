// Reading a ROM: the table file's lines, every byte of every list decoded through its column,
// pointers and the dictionary's stop rule, every way out of a load with its message, and the demo
// ROM loading back to the demo texts.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <sstream>

#include "common/file_helpers.h"
#include "common/run_error.h"
#include "demo/demo_document.h"
#include "demo/demo_rom.h"
#include "image_kind.h"
#include "layout.h"
#include "rom/character_table.h"
#include "rom/decoder.h"
#include "rom/game_check.h"
#include "rom/rom_loader.h"
#include "support/rom_fixture.h"
#include "support/scripted_prompter.h"

namespace orvane {
namespace {

using namespace orvane::testing;
using Lines = std::vector<std::string>;

std::unique_ptr<Document> Decode(const RomImage& rom, int16_t ladeOption = 0) {
  auto doc = std::make_unique<Document>();
  doc->Tabelle[1].fill("left from before");  // a decode builds column 1 afresh
  const std::string table = TypicalTableFile();
  ReadTableFile(*doc, std::vector<uint8_t>(table.begin(), table.end()));
  DecodeRomImage(*doc, rom, ladeOption);
  return doc;
}

// Any separator, either case, texts verbatim (8-bit, blanks, "=", NUL), the later line wins, CR, LF or both end
// a line; the first bad line ends the file with its error and keeps what came before.
TEST(CharacterTable, LinesMapCodesToVerbatimTextsUpToTheFirstBadLine) {
  // file, the error it ends with (0: none), codes and the texts they hold afterwards ("-": untouched)
  const std::tuple<std::string, int, std::vector<std::pair<int, std::string>>> rows[] = {
      {std::string("A0=A\r\nef= \r\n41=\r\n4f= 2 \nB0=x=y\rC0\t\xE4\r\nC1 \xFF\r\na0=later\r\n00=") + '\0', 0,
       {{0xA0, "later"}, {0xEF, " "}, {0x41, ""}, {0x4F, " 2 "}, {0xB0, "x=y"}, {0xC0, "\xE4"}, {0xC1, "\xFF"},
        {0xA1, "-"}, {0x00, std::string(1, '\0')}}},
      {"A0=A\r\n5=B\r\nA2=C", errors::kTypeMismatch, {{0xA0, "A"}, {0xA2, "-"}}},  // one digit
      {"A0=A\r\n\r\nA2=C", errors::kTypeMismatch, {{0xA0, "A"}, {0xA2, "-"}}},     // CR LF CR LF: an empty line
      {"A0=A\r\n\nA2=C", errors::kTypeMismatch, {{0xA0, "A"}, {0xA2, "-"}}},       // CR LF LF too
      {"A0=A\r\nA1\r\nA2=C", errors::kTypeMismatch, {{0xA1, "-"}}},                // shorter than three
      {" 1=B\r\n", errors::kTypeMismatch, {}}, {"", errors::kPastEndOfFile, {}}};
  for (const auto& [file, error, kept] : rows) {
    Document doc;
    doc.Tabelle[2].fill("-");
    int thrown = 0;
    try { ReadTableFile(doc, Bytes(file.begin(), file.end())); } catch (const RunError& e) { thrown = e.number(); }
    EXPECT_EQ(thrown, error) << file;
    for (const auto& [code, text] : kept) EXPECT_EQ(doc.Tabelle[2][code], text) << file;
  }
  TempFolder program, roms;  // found in the program's folder (with or without its separator) before the ROM's
  EXPECT_EQ(FindTableFile(program.path(), roms.file("game.smc")), "");
  const std::string besideRom = WriteTableFile(roms.path());
  EXPECT_EQ(FindTableFile(program.path(), roms.file("game.smc")) + FindTableFile("", roms.file("game.smc")),
            besideRom + besideRom);
  const std::string inProgram = WriteTableFile(program.path());
  EXPECT_EQ(FindTableFile(program.path().substr(0, program.path().size() - 1), roms.file("game.smc")), inProgram);
  // An installation keeps the files in share/orvane-texteditor beside bin; a table beside the program comes first.
  TempFolder prefix;
  std::filesystem::create_directories(prefix.file("bin"));
  const std::string bin = prefix.file("bin/"), share = prefix.file("share/orvane-texteditor/");
  EXPECT_EQ(DataFolder(bin), bin);
  std::filesystem::create_directories(share);
  WriteTableFile(share);
  EXPECT_EQ(DataFolder(bin), share);
  WriteTableFile(bin);
  EXPECT_EQ(DataFolder(bin), bin);
}

// Column 1 and 2 as a load with the typical table file builds them, spelled out apart from the
// program's code table: the file's characters, the line codes, the character names, escapes.
std::array<CodeTable, 3> ExpectedColumns() {
  std::array<CodeTable, 3> c;  // strings start empty
  for (int code = 0; code < 0xFF; ++code) c[1][code] = Escape(code);
  std::istringstream table(TypicalTableFile());
  for (std::string line; std::getline(table, line);)
    c[1][Hex(line)[0]] = c[2][Hex(line)[0]] = line.substr(3, line.size() - 4);
  const std::pair<int, const char*> named[] = {
      {5, "[L_]"},    {6, "[LS]"},    {11, "[W_]"},   {12, "[WS]"},    {0x13, "Kael"},  {0x14, "Lirae"}, {0x15, "Pell"},
      {0x16, "Tock"}, {0x17, "Wend"}, {0x18, "Zuri"}, {0x19, "Orrin"}, {0x1B, "Clone"}, {0x20, "Skiff"}};
  for (const auto& [code, text] : named) c[1][code] = c[code < 0x13 ? 2 : 0][code] = text;  // names are not in column 2
  return c;
}

// The first and last entry of every list and record table through its column: banks 17..21 through the
// table file's column with load option 1 (0x13 is a name only column 1 has), technique names with 0x2F as
// a star and 0xFF as a space, pad bytes kept, item descriptions sharing a string.
TEST(Decoding, FirstAndLastEntryOfEveryListThroughItsColumn) {
  RomFixture f;
  for (int b = 1; b <= kBankCount; ++b)
    f.SetText(b, 1, Hex("A0 13")), f.SetText(b, kBankPlaces[b - 1].textCount, Hex("13 A1"));
  f.SetTitle(1, Codes("Ta")), f.SetTitle(27, Codes("Tz")), f.SetLocation(1, Codes("La"));
  f.SetLocation(111, Codes("Lz")), f.SetItemInfo(1, Codes("Ia")), f.SetItemInfo(242, Codes("Iz"));
  f.SetTechInfo(0, Codes("Xa")), f.SetTechInfo(119, Codes("Xz")), f.ShareItemInfo(7, 1);
  f.SetItem(1, 0x0C, Codes("Potion")), f.SetItem(231, 0xFE, Codes("Z"), 0x13);
  f.SetEnemy(0, Codes("Bat")), f.SetEnemy(250, Codes("Rat"), 0xEF);
  f.SetTech(0, Hex("2F A5 C2 CB BE"), 0xFF), f.SetTech(115, Codes("Ice"), 0x2F);
  for (const int16_t option : {0, 1}) {
    const auto doc = Decode(f.image(), option);
    std::string banks, expected;
    for (int b = 1; b <= kBankCount; ++b) {
      const TextPaar &first = doc->Texte[b][1], &last = doc->Texte[b][doc->BankInfo[b].TextCount];
      banks += first.Aktuell + first.Original + last.Aktuell + last.Original + " ";
      expected += b < 17 || option == 0 ? "AKaelAKaelKaelBKaelB " : "AABB ";
    }
    EXPECT_EQ(banks, expected) << option;
    std::string got;
    for (const std::string& value :
         {doc->SpeicherNamen[1], doc->SpeicherNamen[27], doc->StadtNamen[1], doc->StadtNamen[111], doc->ItemInfos[1],
          doc->ItemInfos[7], doc->ItemInfos[242], doc->TechBeschreibungen[0], doc->TechBeschreibungen[119],
          doc->Items[1].Name, std::to_string(doc->Items[1].Symbol), doc->Items[231].Name,
          std::to_string(doc->Items[231].Symbol), doc->GegnerNamen[0], doc->GegnerNamen[250], doc->TechNamen[0],
          doc->TechNamen[115]})
      got += value + "|";
    EXPECT_EQ(got, "Ta|Tz|La|Lz|Ia|Ia|Iz|Xa|Xz|Potion    |12|ZKaelKaelKaelKaelKaelKaelKaelKaelKael|254|Bat|"
                   "Rat        |*Fire      |Ice********|");
    EXPECT_EQ(std::pair(doc->ItemInfoAdressen[7], doc->ItemInfoAdressen[1]), std::pair(kItemInfoData + 1, kItemInfoData + 1));
    std::array<CodeTable, 3> columns = ExpectedColumns();  // the dictionary test checks the entries
    for (int code = kDictionaryFirst; code <= kDictionaryLast; ++code) columns[1][code] = doc->Tabelle[1][code];
    EXPECT_EQ(std::pair(doc->Tabelle[1], doc->Tabelle[2]), std::pair(columns[1], columns[2]));
  }
}

TEST(Decoding, PointersLeadIntoTheirOwnBankBehindTheHeader) {
  // pointer position, its two bytes, the target; the last pointer's second byte lies in the next bank
  for (const auto& [position, bytes, target] :
       {std::tuple{0x370200, "90 05", 0x370790}, {0x0EF111, "00 00", 0x0E0200},
        {0x3FD13B, "FF FF", 0x3F0000 + 0xFFFF + 0x200}, {0x1EFFFF, "34 12", 0x1E1434}}) {
    RomImage image;
    image.SchreibeZeiger(position, target);
    EXPECT_EQ(Bytes({image.LeseByte(position), image.LeseByte(position + 1)}), Hex(bytes));
    EXPECT_EQ(image.LeseZeiger(position), target) << bytes;  // read back from the bytes just checked
  }
  RomFixture f;
  f.SetText(1, 1, Codes("0123456789"));  // a load stops with error 7 past its decoded-text limit
  EXPECT_THROW(TextDecoder(f.image(), 9).ListString(0x370200, Decode(f.image())->Tabelle[1]), RunError);
  EXPECT_EQ(TextDecoder(f.image(), 10).ListString(0x370200, Decode(f.image())->Tabelle[1]), "0123456789");
  // A string running to the end of the image ends there; one before its start or past its end is empty.
  const RomImage tail(Hex("A0 A1"));
  for (const auto& [start, text] : {std::pair{0, "AB"}, {2, ""}, {-1, ""}})
    EXPECT_EQ(TextDecoder(tail).PointerString(start, ExpectedColumns()[1]), text) << start;
}

TEST(Decoding, DictionaryEntryTakesItsFirstByteThenStopsBelow0x14) {
  const std::tuple<uint8_t, Bytes, std::string> rows[] = {
      // The first byte is taken whatever it is, a later one below 0x14 ends the entry.
      {0x21, Hex("05 A0"), "[L_]A"}, {0x22, Hex("A1 05 A2"), "B"}, {0x23, Hex("13 14 15"), "KaelLiraePell"},
      {0x24, Hex("00 A3"), "D"},
      // A higher code has no text yet, a lower one has, itself is still empty; an empty entry reads as its escape.
      {0x30, Hex("A0 31 A1"), "AB"}, {0x31, Hex("30 A2"), "ABC"}, {0x32, Hex("32"), "{32}"}, {0x35, {}, "{35}"},
      // Escapes come after the dictionary; the next entry's length byte 0x14 is no stop.
      {0x33, Hex("A0 EE 1A FF F1"), "A..."}, {0x40, Hex("BA BB"), "abLirae" + std::string(20, 'c')},
      {0x41, Bytes(20, 0xBC), std::string(20, 'c')}};
  RomFixture f;
  for (const auto& [code, bytes, text] : rows) f.SetDictionaryEntry(code, bytes);
  const auto doc = Decode(f.image());
  for (const auto& [code, bytes, text] : rows) EXPECT_EQ(doc->Tabelle[1][code], text) << Escape(code);
}

TEST(RomLoad, EveryWayOutShowsItsMessageAndLeavesItsState) {
  TempFolder program, roms;
  RomFixture rom;
  rom.SetText(1, 1, Codes("Hi[L_]you"));
  rom.SetText(17, 1, {0xA0, 0xF0});
  rom.SetItem(1, 0x0C, Codes("Rope"));
  rom.WriteTo(roms.file("game.smc"));
  WriteFileAtomically(roms.file("short.smc"), std::vector<uint8_t>(0x200));  // the header alone is no image
  for (const int32_t position : {38, 118, 0, 37, 119, 0x1FF}) {              // only header bytes 38..118 are checked
    rom.PutBytes(position, {0x01});
    rom.WriteTo(roms.file(position == 38 ? "bad38.smc" : position == 118 ? "bad118.smc" : "outside.smc"));
    if (position == 38 || position == 118) rom.PutBytes(position, {0x00});
  }
  const std::string typical = TypicalTableFile() + "05=X\r\nF0=\r\n";
  const auto error = [](const char* number, const char* text) {
    return Shown(MakeMessage("Error", std::string(number) + "\r\nLoadRom_Form\r\n" + text)) + "\n";
  };
  const std::string notRegular = error("75", "Path/File access error (not a regular file)");
  const std::string badHeader = Shown(MakeMessage("Bad Rom!!!", "This Rom doesn't have a Header!", Icon::Stop)) + "\n";
  const std::string badSize = Shown(SizeRefusal(roms.file("short.smc"), 0x200)) + "\n";
  const std::string erasedQuestion = Shown(ForeignImageQuestion(
      "the pointer of text 1 in bank 1 leads to 0x3801FF, outside the bank's text area 0x370590..0x374AB7")) + "\n";
  // the ROM in the ROM folder ("": the folder itself), the table file beside it, an explicit table file, and
  // the outcome with its messages, and when the file was accepted (0 never, else the messages shown by then + 1)
  using enum LoadOutcome;
  const struct { const char* rom; std::string table, explicitTable; LoadOutcome outcome; std::string shown;
                 int accepted; } ways[] = {
      {"game.smc", typical, "", Loaded, "", true}, {"outside.smc", typical, "", Loaded, "", true},
      {"short.smc", typical, "", SizeRejected, badSize, false},
      {"bad38.smc", typical, "", HeaderRejected, badHeader, false},
      {"bad118.smc", typical, "", HeaderRejected, badHeader, false},
      {"game.smc", "", "", TableMissing,
       Shown(MakeMessage("Sorry!", "Eine Tabelle namens <\\Orvane_Englisch.tbl> Fehlt!", Icon::Stop)) + "\n", true},
      {"missing.smc", typical, "", Failed, error("53", "File not found"), false},
      {"", typical, "", Failed, error("75", "Path/File access error"), false},
      {"game.smc", "A0=A\r\n5=B", "", Failed, error("13", "Type mismatch"), true},
      {"game.smc", "\n", "", Failed, error("62", "Input past end of file"), true},
      {"game.smc", "A0=beside\r\n", "other.tbl", Loaded, "", true},  // an explicit table wins
      {"fifo", typical, "", Failed, notRegular, false}, {"game.smc", typical, "fifo", Failed, notRegular, true},
      {"huge.smc", typical, "", Failed, error("75", "Path/File access error (larger than 64 MiB)"), false},
      {"erased.smc", typical, "", Failed,  // opened anyway, every string runs to the end: refused, not hours
       erasedQuestion + error("7", "Out of memory (the texts run on far beyond any game's)"), 2}};
  std::vector<uint8_t> erased(kFullImageSize, 0xFF);
  std::fill(erased.begin(), erased.begin() + 0x200, 0);
  WriteFileAtomically(roms.file("erased.smc"), erased);
  ::mkfifo(roms.file("fifo").c_str(), 0666);
  WriteFileAtomically(roms.file("huge.smc"), std::string());
  std::filesystem::resize_file(roms.file("huge.smc"), 2ull << 30);
  WriteFileAtomically(roms.file("other.tbl"), std::string("A0=A\r\n"));
  for (const auto& way : ways) {
    SCOPED_TRACE(std::string(way.rom) + " with " + way.table.substr(0, 9) + " " + way.explicitTable);
    std::filesystem::remove(roms.file("Orvane_Englisch.tbl"));
    if (!way.table.empty()) WriteTableFile(roms.path(), way.table == "\n" ? "" : way.table);
    Document doc;
    doc.Texte[1][1].Aktuell = "earlier";
    doc.Texte[1][1000].Aktuell = "beyond";  // the bank's texts
    doc.Tabelle[1][0xA0] = doc.Tabelle[2][0xF0] = "old";
    doc.TabelleGeaendert = true;
    Workspace ws;
    ws.Geaendert = true;
    ScriptedPrompter prompter({Answer::Yes});  // opens what does not look like the game's
    int calls = 0;
    RomLoadParams params{{roms.file(way.rom), 1}, program.path(),
                         way.explicitTable.empty() ? "" : roms.file(way.explicitTable)};
    // Called once the texts are emptied, before anything is shown.
    params.headerAccepted = [&] { calls += 1 + prompter.messages().size() + doc.Texte[1][1].Aktuell.size(); };
    ASSERT_EQ(RomLaden(doc, ws, params, prompter), way.outcome);
    EXPECT_EQ(std::pair(prompter.shown(), calls), std::pair(way.shown, way.accepted));
    EXPECT_EQ(ws.RomPfad + ws.RomPfadGeladen, params.choice.path + params.choice.path);
    // Flags, texts and table: banks 17..21 go through the table file with option 1, which cannot change the line codes.
    const bool loaded = way.outcome == Loaded;
    const bool built = loaded || way.rom == std::string("erased.smc");  // the tables stand before the texts
    // A load starts the translation's progress afresh, with the decoded names as their originals.
    EXPECT_EQ(doc.Progress.nameOriginals["item 1 name"].substr(0, 4), loaded ? "Rope" : "");
    EXPECT_EQ(std::to_string(ws.LadeOption) + (ws.Geaendert ? " changed " : " ") +
                  (doc.TabelleGeaendert ? "table changed " : "") + "|" +
                  doc.Texte[1][1].Aktuell + "|" + doc.Texte[17][1].Aktuell + "|" + doc.Texte[1][1000].Aktuell + "|" +
                  doc.Tabelle[1][0xA0] + doc.Tabelle[2][0x05] + doc.Tabelle[2][0xF0],
              std::string(loaded ? "1 |" : "1 changed |") + (way.accepted == 0 ? "earlier||beyond|oldold"
                                                               : loaded          ? "Hi[L_]you|A||A[L_]"
                                                               : built           ? "|||A[L_]"
                                                                                 : "|||"));
  }
}

TEST(DemoRom, IsTheSameImageOnEveryBuildWithTheTypicalTableFile) {
  Document demo;
  demo.Tabelle[1][1] = "left from before";  // the demo starts from an empty table and completes it
  demo::MakeDemoDocument(demo);
  const std::vector<uint8_t> rom = demo::WriteDemoRom(demo);
  uint64_t fnv1a = 14695981039346656037ull;  // the image's digest
  for (uint8_t b : rom) fnv1a = (fnv1a ^ b) * 1099511628211ull;
  EXPECT_EQ(std::tuple(rom.size(), fnv1a), std::tuple(size_t{kFullImageSize}, 0x442d40c30d101398ull));
  EXPECT_EQ(demo::DemoTableFile(), TypicalTableFile());
  EXPECT_EQ(demo.Tabelle[1][1] + demo.Tabelle[1][0xA0], "{01}A");
  EXPECT_EQ(demo.Tabelle[2], ExpectedColumns()[2]);  // as a load of the demo ROM gives them back
}

}  // namespace
}  // namespace orvane
