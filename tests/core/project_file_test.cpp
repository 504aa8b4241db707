#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "common/file_helpers.h"
#include "document.h"
#include "project/project_file.h"
#include "support/scripted_prompter.h"
#include "support/rom_fixture.h"

namespace orvane {
namespace {

using testing::FixedFileChooser;
using testing::RecordingProgress;
using testing::ScriptedPrompter;
using testing::ReadFileText;
using testing::TempFolder;


// 1-based line numbers of the section headers in a file of the game's bank table.
constexpr int kLineCount = 11284;
constexpr int kTextsHeader = 514;
constexpr int kTitlesHeader = 9949;
constexpr int kLocationsHeader = 9977;
constexpr int kItemsHeader = 10089;
constexpr int kItemInfoHeader = 10552;
constexpr int kEnemiesHeader = 10796;
constexpr int kMagicHeader = 11048;
constexpr int kProgressTotal = 4717 + 510;

const char* const kCorruptText = "Corrupt File detected!\r\nSorry, couldn't load Project File!";

// Every value distinct and tagged, with 8-bit characters; column 2 and some names are empty.
void FillDocument(Document& doc, const std::string& tag) {
  auto value = [&tag](const std::string& what, int i) {
    std::string v = tag + what + std::to_string(i);
    if (i % 3 == 0) v += static_cast<char>(0x80 + i % 128);
    return v;
  };
  for (int c = 0; c < kCodes; ++c) {
    doc.Tabelle[1][c] = value("c1-", c);
    doc.Tabelle[2][c] = c % 5 == 0 ? "" : value("c2-", c);
  }
  for (int b = 1; b <= kBankCount; ++b) {
    for (int t = 1; t <= doc.BankInfo[b].TextCount; ++t) {
      doc.Texte[b][t].Aktuell = value("A" + std::to_string(b) + "[L_]", t);
      doc.Texte[b][t].Original = value("O" + std::to_string(b) + "[WS]", t);
    }
  }
  for (size_t i = 0; i < doc.SpeicherNamen.size(); ++i) doc.SpeicherNamen[i] = value("title", i);
  for (size_t i = 0; i < doc.StadtNamen.size(); ++i) doc.StadtNamen[i] = i % 7 == 0 ? "" : value("town", i);
  for (size_t i = 0; i < doc.Items.size(); ++i) {
    doc.Items[i].Name = value("item", i);
    doc.Items[i].Symbol = static_cast<uint8_t>(i * 37 + tag.size());
  }
  for (size_t i = 0; i < doc.ItemInfos.size(); ++i) doc.ItemInfos[i] = value("info", i);
  for (size_t i = 0; i < doc.GegnerNamen.size(); ++i) doc.GegnerNamen[i] = value("foe", i);
  for (size_t i = 0; i < doc.TechNamen.size(); ++i) doc.TechNamen[i] = value("tech", i);
  for (size_t i = 0; i < doc.TechBeschreibungen.size(); ++i) doc.TechBeschreibungen[i] = value("desc", i);
}

// Calls `check(what, index, a, b)` for every value a project file carries.
void ForEachStoredValue(const Document& a, const Document& b,
                        const std::function<void(const char*, int, const std::string&, const std::string&)>& check) {
  for (int c = 1; c < kCodes; ++c) {
    check("column 1", c, a.Tabelle[1][c], b.Tabelle[1][c]);
    check("column 2", c, a.Tabelle[2][c], b.Tabelle[2][c]);
  }
  for (int bank = 1; bank <= kBankCount; ++bank) {
    for (int t = 1; t <= a.BankInfo[bank].TextCount; ++t) {
      check("Aktuell", bank * 10000 + t, a.Texte[bank][t].Aktuell, b.Texte[bank][t].Aktuell);
      check("Original", bank * 10000 + t, a.Texte[bank][t].Original, b.Texte[bank][t].Original);
    }
  }
  for (int i = 1; i <= kSaveTitleCount; ++i) check("title", i, a.SpeicherNamen[i], b.SpeicherNamen[i]);
  for (int i = 1; i <= kLocationCount; ++i) check("location", i, a.StadtNamen[i], b.StadtNamen[i]);
  for (int i = 1; i <= kItemCount; ++i) {
    check("item", i, a.Items[i].Name, b.Items[i].Name);
    check("symbol", i, std::to_string(a.Items[i].Symbol), std::to_string(b.Items[i].Symbol));
  }
  for (int i = 0; i <= kItemInfoCount; ++i) check("item info", i, a.ItemInfos[i], b.ItemInfos[i]);
  for (int i = 0; i < kEnemyCount; ++i) check("enemy", i, a.GegnerNamen[i], b.GegnerNamen[i]);
  for (int i = 0; i < kTechCount; ++i) check("technique", i, a.TechNamen[i], b.TechNamen[i]);
  for (int i = 0; i < kTechInfoCount; ++i) check("description", i, a.TechBeschreibungen[i], b.TechBeschreibungen[i]);
}

int CountDifferences(const Document& a, const Document& b) {
  int differences = 0;
  ForEachStoredValue(a, b, [&](const char* what, int index, const std::string& x, const std::string& y) {
    if (x != y && ++differences <= 5) ADD_FAILURE() << what << " " << index << ": '" << x << "' vs '" << y << "'";
  });
  return differences;
}

std::vector<std::string> SplitCrLf(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t pos = 0;
  while (pos < bytes.size()) {
    const size_t end = bytes.find("\r\n", pos);
    if (end == std::string::npos) {
      lines.push_back(bytes.substr(pos));
      break;
    }
    lines.push_back(bytes.substr(pos, end - pos));
    pos = end + 2;
  }
  return lines;
}

std::string JoinCrLf(const std::vector<std::string>& lines, size_t count) {
  std::string bytes;
  for (size_t i = 0; i < count && i < lines.size(); ++i) bytes += lines[i] + "\r\n";
  return bytes;
}

class ProjectFileTest : public ::testing::Test {
 protected:
  // Saves `doc` and returns the file's bytes.
  std::string Save(Document& doc) {
    ScriptedPrompter prompter;
    RecordingProgress progress;
    EXPECT_EQ(SaveProjectFile(doc, dir.file("out.ovp"), prompter, progress), ProjectOutcome::Done);
    EXPECT_TRUE(prompter.empty());
    return ReadFileText(dir.file("out.ovp"));
  }

  ProjectOutcome Load(Document& doc, const std::string& bytes) {
    WriteFileAtomically(dir.file("in.ovp"), bytes);
    return LoadProjectFile(doc, dir.file("in.ovp"), prompter, progress);
  }

  // The lines of a saved document filled with the plain values.
  std::vector<std::string> FilledLines() {
    Document source;
    FillDocument(source, "");
    return SplitCrLf(Save(source));
  }

  // Loads `lines` with a prompter and progress of the caller's own.
  ProjectOutcome LoadLines(Document& doc, const std::vector<std::string>& lines, ScriptedPrompter& answers,
                           RecordingProgress& seen) {
    WriteFileAtomically(dir.file("in.ovp"), JoinCrLf(lines, lines.size()));
    return LoadProjectFile(doc, dir.file("in.ovp"), answers, seen);
  }

  static void ExpectStopBox(const ScriptedPrompter& answers, const std::string& text) {
    ASSERT_EQ(answers.messages().size(), 1u);
    const Message& m = answers.last();
    EXPECT_EQ(m.title, "Error!");
    EXPECT_EQ(m.text, text);
    EXPECT_EQ(m.buttons, Buttons::Ok);
    EXPECT_EQ(m.icon, Icon::Stop);
    EXPECT_TRUE(m.systemModal);
  }

  TempFolder dir;
  ScriptedPrompter prompter;
  RecordingProgress progress;
};

TEST_F(ProjectFileTest, SavedFileHasTheExactLayout) {
  Document doc;
  FillDocument(doc, "");
  doc.Items[5].Symbol = 32;
  doc.Items[6].Symbol = 0;
  doc.Geaendert = true;
  RecordingProgress saveProgress;
  ScriptedPrompter savePrompter;
  ASSERT_EQ(SaveProjectFile(doc, dir.file("p.ovp"), savePrompter, saveProgress), ProjectOutcome::Done);
  EXPECT_FALSE(doc.Geaendert);
  const std::string bytes = ReadFileText(dir.file("p.ovp"));

  // CR LF after every line and nowhere else (as many CRs and LFs as lines), no byte-order mark.
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), kLineCount);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), kLineCount);
  ASSERT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  const std::vector<std::string> lines = SplitCrLf(bytes);
  ASSERT_EQ(lines.size(), size_t{kLineCount});

  auto line = [&lines](int number) { return lines[number - 1]; };
  EXPECT_EQ(line(1), "[Orvane Texteditor V 1.00]");
  EXPECT_EQ(line(2), "");
  EXPECT_EQ(line(3), "[TABELS]");
  EXPECT_EQ(line(4), "c1-1");
  EXPECT_EQ(line(5), "c2-1");
  EXPECT_EQ(line(4 + 2 * 9), "c1-10");
  EXPECT_EQ(line(5 + 2 * 9), "");  // empty column-2 entry of code 10
  EXPECT_EQ(line(512), "c1-255" + std::string(1, static_cast<char>(0xFF)));
  EXPECT_EQ(line(513), "");
  EXPECT_EQ(line(kTextsHeader), "[TEXTBLOCKS]");
  EXPECT_EQ(line(515), "A1[L_]1");
  EXPECT_EQ(line(516), "O1[WS]1");
  EXPECT_EQ(line(515 + 2 * 456), "A2[L_]1");  // bank 2 follows the 456 texts of bank 1
  EXPECT_EQ(line(kTitlesHeader - 1), "O21[WS]50");
  EXPECT_EQ(line(kTitlesHeader), "[SAVETITLES]");
  EXPECT_EQ(line(kTitlesHeader + 1), "title1");
  EXPECT_EQ(line(kLocationsHeader), "[LOCATIONS]");
  EXPECT_EQ(line(kLocationsHeader + 7), "");
  EXPECT_EQ(line(kItemsHeader), "[ITEMS]");
  EXPECT_EQ(line(kItemsHeader + 1), "item1");
  EXPECT_EQ(line(kItemsHeader + 10), " 32 ");
  EXPECT_EQ(line(kItemsHeader + 12), " 0 ");
  EXPECT_EQ(line(kItemInfoHeader), "[ITEMINFO]");
  EXPECT_EQ(line(kItemInfoHeader + 1), "info0" + std::string(1, static_cast<char>(0x80)));
  EXPECT_EQ(line(kEnemiesHeader), "[ENEMYS]");
  EXPECT_EQ(line(kEnemiesHeader + 1), "foe0" + std::string(1, static_cast<char>(0x80)));
  EXPECT_EQ(line(kMagicHeader), "[MAGIC]");
  EXPECT_EQ(line(kMagicHeader + 1), "tech0" + std::string(1, static_cast<char>(0x80)));
  EXPECT_EQ(line(kMagicHeader + 117), "desc0" + std::string(1, static_cast<char>(0x80)));
  EXPECT_EQ(line(kLineCount), "desc119");

  EXPECT_EQ(saveProgress.captions,
            (std::vector<std::string>{"Tabellen werden gesichert...", "Dialoge werden gespeichert...", ""}));
  ASSERT_EQ(saveProgress.steps.size(), size_t{kProgressTotal});
  EXPECT_EQ(saveProgress.steps.front(), std::make_pair(1, kProgressTotal));
  EXPECT_EQ(saveProgress.steps[509], std::make_pair(510, kProgressTotal));
  EXPECT_EQ(saveProgress.steps.back(), std::make_pair(kProgressTotal, kProgressTotal));
}

TEST_F(ProjectFileTest, SaveLoadSaveKeepsEveryValueAndTheBytes) {
  Document source;
  FillDocument(source, "");
  // Every byte but the two line-end characters, in a text and in a table entry.
  std::string allBytes;
  for (int c = 0; c < 256; ++c)
    if (c != '\r' && c != '\n') allBytes += static_cast<char>(c);
  source.Texte[13][1203].Aktuell = allBytes;
  source.Tabelle[2][0xFF] = allBytes;
  const std::string first = Save(source);

  Document loaded;
  FillDocument(loaded, "old-");
  loaded.Geaendert = true;
  loaded.TabelleGeaendert = true;
  loaded.AktuelleBank = 7;
  loaded.AktuellerText = 9;
  ASSERT_EQ(Load(loaded, first), ProjectOutcome::Done);
  EXPECT_TRUE(prompter.empty());
  EXPECT_EQ(CountDifferences(source, loaded), 0);
  EXPECT_EQ(loaded.Tabelle[1][0], "{00}");  // code 0 is not stored: its escape is filled in
  EXPECT_EQ(loaded.Tabelle[2][0], "");
  EXPECT_FALSE(loaded.Geaendert);
  EXPECT_FALSE(loaded.TabelleGeaendert);
  EXPECT_EQ(loaded.AktuelleBank, 1);
  EXPECT_EQ(loaded.AktuellerText, 1);
  EXPECT_EQ(Save(loaded), first);

  EXPECT_EQ(progress.captions, (std::vector<std::string>{"Loading Tablefile...", "Loading Dialogs...", ""}));
  ASSERT_EQ(progress.steps.size(), size_t{kProgressTotal + 1});
  EXPECT_EQ(progress.steps[kProgressTotal - 1], std::make_pair(kProgressTotal, kProgressTotal));
  EXPECT_EQ(progress.steps.back(), std::make_pair(0, kProgressTotal));
}

// Bare LF, a missing last line end and anything on lines two and three load the same values.
TEST_F(ProjectFileTest, LineEndsAndLinesTwoAndThreeDoNotMatter) {
  Document source;
  FillDocument(source, "");
  const std::string crlf = Save(source);
  std::string lf;
  for (char c : crlf)
    if (c != '\r') lf += c;
  std::vector<std::string> lines = SplitCrLf(crlf);
  lines[1] = "anything";
  lines[2] = "[tabels] or not";

  for (const std::string& variant :
       {lf, crlf.substr(0, crlf.size() - 2), crlf.substr(0, crlf.size() - 1), JoinCrLf(lines, lines.size())}) {
    Document loaded;
    ASSERT_EQ(Load(loaded, variant), ProjectOutcome::Done);
    EXPECT_EQ(CountDifferences(source, loaded), 0);
  }
  EXPECT_TRUE(prompter.empty());
}

TEST_F(ProjectFileTest, WrongHeaderIsRejectedAfterTheTableWasEmptied) {
  std::vector<std::string> lines = FilledLines();
  for (const std::string header : {"[orvane Texteditor V 1.00]", "[Orvane Texteditor V 1.01]", ""}) {
    lines[0] = header;
    Document doc;
    FillDocument(doc, "old-");
    doc.Geaendert = true;
    doc.TabelleGeaendert = true;
    ScriptedPrompter local;
    RecordingProgress localProgress;
    ASSERT_EQ(LoadLines(doc, lines, local, localProgress), ProjectOutcome::WrongVersion);

    ExpectStopBox(local, "Wrong fileversion detected!");
    for (int c = 0; c < kCodes; ++c) {
      EXPECT_EQ(doc.Tabelle[1][c], "") << c;
      EXPECT_EQ(doc.Tabelle[2][c], "") << c;
    }
    EXPECT_EQ(doc.Texte[1][1].Aktuell, "old-A1[L_]1");
    EXPECT_EQ(doc.GegnerNamen[1], "old-foe1");
    EXPECT_TRUE(doc.Geaendert);
    EXPECT_FALSE(doc.TabelleGeaendert);
    EXPECT_TRUE(localProgress.captions.empty());
    EXPECT_TRUE(localProgress.steps.empty());
  }
}

// A file cut off after `kept` whole lines, loaded over a document holding other values. Every
// value from a line that is present is the file's; every other one keeps what it held, except the
// table, which was emptied first (and completed with escapes when the load got past it).
struct CutCase {
  int kept;
  int questionsWhenGoingOn;  // Yes to every question
  ProjectOutcome outcomeWhenGoingOn;
};

class CutOffTest : public ProjectFileTest, public ::testing::WithParamInterface<CutCase> {
 protected:
  void SetUp() override {
    FillDocument(source, "");
    full = SplitCrLf(Save(source));
    FillDocument(old, "old-");
    oldLines = SplitCrLf(Save(old));
  }

  // The file the loaded document saves to, line by line.
  std::vector<std::string> Expected(bool tableCompleted) const {
    const int kept = GetParam().kept;
    std::vector<std::string> expected;
    for (int n = 1; n <= kLineCount; ++n) {
      const bool inTable = n >= 4 && n <= 513;
      if (n <= kept) expected.push_back(full[n - 1]);
      else if (!inTable) expected.push_back(oldLines[n - 1]);
      else if (tableCompleted && (n - 4) % 2 == 0) expected.push_back(HexEscapeOf((n - 4) / 2 + 1));
      else expected.push_back("");
    }
    return expected;
  }

  static std::string HexEscapeOf(int code) {
    char text[5];
    std::snprintf(text, sizeof text, "{%02X}", code);
    return code == 0xFF ? "" : text;
  }

  std::vector<std::string> SavedLines(Document& doc) { return SplitCrLf(Save(doc)); }

  Document source, old;
  std::vector<std::string> full, oldLines;
};

TEST_P(CutOffTest, NoStopsAtOnceAndKeepsWhatWasRead) {
  const CutCase cut = GetParam();
  Document doc = old;
  doc.Geaendert = true;
  prompter.queue(Answer::No);
  ASSERT_EQ(Load(doc, JoinCrLf(full, cut.kept)), ProjectOutcome::Stopped);

  ASSERT_EQ(prompter.messages().size(), 1u);
  EXPECT_EQ(prompter.last().title, "Error Nr. 62");
  EXPECT_EQ(prompter.last().text, "Input past end of file\r\nContinue program?");
  EXPECT_EQ(prompter.last().buttons, Buttons::YesNo);
  EXPECT_EQ(progress.steps.back(), std::make_pair(0, kProgressTotal));
  EXPECT_TRUE(doc.Geaendert);
  if (cut.kept >= 3) {
    EXPECT_EQ(progress.captions.back(), "");
  }
  if (cut.kept > 0) {
    EXPECT_EQ(SavedLines(doc), Expected(cut.kept > 513));
  }
}

TEST_P(CutOffTest, YesAsksAtEveryFurtherReadAndKeepsPreviousValues) {
  const CutCase cut = GetParam();
  Document doc = old;
  doc.Geaendert = true;
  ASSERT_EQ(Load(doc, JoinCrLf(full, cut.kept)), cut.outcomeWhenGoingOn);

  const auto& messages = prompter.messages();
  ASSERT_EQ(messages.size(), size_t(cut.questionsWhenGoingOn + 1 - (cut.outcomeWhenGoingOn == ProjectOutcome::Done)));
  for (int i = 0; i < cut.questionsWhenGoingOn; ++i) ASSERT_EQ(messages[i].title, "Error Nr. 62") << i;
  if (cut.outcomeWhenGoingOn == ProjectOutcome::Corrupt) {
    EXPECT_EQ(messages.back().text, kCorruptText);
  }
  if (cut.outcomeWhenGoingOn == ProjectOutcome::WrongVersion) {
    EXPECT_EQ(messages.back().text, "Wrong fileversion detected!");
    return;
  }
  EXPECT_EQ(doc.Geaendert, cut.outcomeWhenGoingOn != ProjectOutcome::Done);
  EXPECT_EQ(SavedLines(doc), Expected(true));
}

// Cuts right at the section headers are taken, with their messages, by the project fault tests.
INSTANTIATE_TEST_SUITE_P(
    AtSectionsAndInside, CutOffTest,
    ::testing::Values(CutCase{0, 1, ProjectOutcome::WrongVersion},
                      CutCase{3, kTextsHeader - 3, ProjectOutcome::Corrupt},
                      CutCase{200, kTextsHeader - 200, ProjectOutcome::Corrupt},
                      CutCase{513, 1, ProjectOutcome::Corrupt},
                      CutCase{kTextsHeader, kTitlesHeader - kTextsHeader, ProjectOutcome::Corrupt},
                      CutCase{5001, kTitlesHeader - 5001, ProjectOutcome::Corrupt},
                      CutCase{kTitlesHeader, kLocationsHeader - kTitlesHeader, ProjectOutcome::Corrupt},
                      CutCase{kLocationsHeader + 50, kItemsHeader - kLocationsHeader - 50, ProjectOutcome::Corrupt},
                      CutCase{kItemsHeader + 101, kItemInfoHeader - kItemsHeader - 101, ProjectOutcome::Corrupt},
                      CutCase{kItemInfoHeader, kEnemiesHeader - kItemInfoHeader, ProjectOutcome::Corrupt},
                      CutCase{kMagicHeader, kLineCount - kMagicHeader, ProjectOutcome::Done},
                      CutCase{kLineCount - 1, 1, ProjectOutcome::Done}));

TEST_F(ProjectFileTest, LineCutInTheMiddleKeepsItsFirstPart) {
  Document source;
  FillDocument(source, "");
  const std::string bytes = Save(source);
  const size_t text = bytes.find("A3[L_]17\r\n");
  ASSERT_NE(text, std::string::npos);
  Document doc;
  prompter.queue(Answer::No);
  ASSERT_EQ(Load(doc, bytes.substr(0, text + 4)), ProjectOutcome::Stopped);
  EXPECT_EQ(doc.Texte[3][17].Aktuell, "A3[L");
  EXPECT_EQ(doc.Texte[3][16].Original, "O3[WS]16");
  EXPECT_EQ(doc.Texte[3][17].Original, "");
}

TEST_F(ProjectFileTest, MisplacedSectionHeaderStopsTheLoadAsCorrupt) {
  const std::vector<std::string> lines = FilledLines();
  for (const int header : {kTextsHeader, kTitlesHeader, kLocationsHeader, kItemsHeader, kItemInfoHeader,
                           kEnemiesHeader, kMagicHeader}) {
    std::vector<std::string> broken = lines;
    broken[header - 1] += " ";
    Document doc;
    FillDocument(doc, "old-");
    doc.Geaendert = true;
    ScriptedPrompter local;
    RecordingProgress localProgress;
    ASSERT_EQ(LoadLines(doc, broken, local, localProgress), ProjectOutcome::Corrupt) << header;

    ExpectStopBox(local, kCorruptText);
    EXPECT_TRUE(doc.Geaendert);
    EXPECT_EQ(localProgress.captions.back(), "");
    // The table was read and completed before any section header is checked.
    EXPECT_EQ(doc.Tabelle[1][0], "{00}");
    EXPECT_EQ(doc.Tabelle[2][1], "c2-1");
    // Values before the header are the file's, after it the old ones.
    EXPECT_EQ(doc.Texte[21][50].Original, header > kTextsHeader ? "O21[WS]50" : "old-O21[WS]50");
    EXPECT_EQ(doc.Items[230].Name, header > kItemsHeader ? "item230" : "old-item230");
    EXPECT_EQ(doc.TechBeschreibungen[119], "old-desc119");
  }
}

TEST_F(ProjectFileTest, ItemSymbolsLoadWithBlanksAroundAndAskOnAnythingElse) {
  std::vector<std::string> lines = FilledLines();
  const int symbolLine = kItemsHeader + 2;  // symbol of item 1

  for (const auto& [text, value] : std::vector<std::pair<std::string, int>>{
           {"32", 32}, {" 32 ", 32}, {"\t 7\t", 7}, {"007", 7}, {" 0 ", 0}, {"255", 255}}) {
    lines[symbolLine - 1] = text;
    Document doc;
    ASSERT_EQ(Load(doc, JoinCrLf(lines, lines.size())), ProjectOutcome::Done) << text;
    EXPECT_EQ(doc.Items[1].Symbol, value) << text;
  }
  EXPECT_TRUE(prompter.empty());

  for (const std::string bad : {"256", "-1", "", "  ", "3 2", "x", "1000", "+5"}) {
    lines[symbolLine - 1] = bad;
    for (const Answer answer : {Answer::Yes, Answer::No}) {
      Document doc;
      doc.Items[1].Symbol = 99;
      ScriptedPrompter local({answer});
      RecordingProgress localProgress;
      const ProjectOutcome outcome = LoadLines(doc, lines, local, localProgress);
      ASSERT_EQ(local.messages().size(), 1u) << bad;
      EXPECT_EQ(local.last().title, "Error Nr. 13");
      EXPECT_EQ(local.last().text, "Type mismatch\r\nContinue program?");
      EXPECT_EQ(doc.Items[1].Symbol, 99) << bad;
      EXPECT_EQ(doc.Items[1].Name, "item1");
      EXPECT_EQ(outcome, answer == Answer::Yes ? ProjectOutcome::Done : ProjectOutcome::Stopped);
      EXPECT_EQ(doc.Items[2].Name, answer == Answer::Yes ? "item2" : "");
    }
  }
}

TEST_F(ProjectFileTest, MissingFileAsksFirstAndLeavesTheDocumentOnNo) {
  Document doc;
  FillDocument(doc, "old-");
  prompter.queue(Answer::No);
  ASSERT_EQ(LoadProjectFile(doc, dir.file("missing.ovp"), prompter, progress), ProjectOutcome::Stopped);
  ASSERT_EQ(prompter.messages().size(), 1u);
  EXPECT_EQ(prompter.last().title, "Error Nr. 53");
  EXPECT_EQ(prompter.last().text, "File not found\r\nContinue program?");
  EXPECT_EQ(doc.Tabelle[1][1], "old-c1-1");

  // Going on treats it as an empty file: the header cannot be read and is then wrong.
  ScriptedPrompter goOn;
  ASSERT_EQ(LoadProjectFile(doc, dir.file("missing.ovp"), goOn, progress), ProjectOutcome::WrongVersion);
  ASSERT_EQ(goOn.messages().size(), 3u);
  EXPECT_EQ(goOn.messages()[1].title, "Error Nr. 62");
  EXPECT_EQ(goOn.messages()[2].text, "Wrong fileversion detected!");
  EXPECT_EQ(doc.Tabelle[1][1], "");
}

// A failed write with either answer stops the save; a full disk and the like are covered with the
// file commit itself.
TEST_F(ProjectFileTest, FailedSaveAsksWhetherToGoOnAndStops) {
  Document doc;
  FillDocument(doc, "");
  for (const Answer answer : {Answer::Yes, Answer::No}) {
    doc.Geaendert = true;
    ScriptedPrompter local({answer});
    RecordingProgress localProgress;
    EXPECT_EQ(SaveProjectFile(doc, dir.file("no/such/folder.ovp"), local, localProgress), ProjectOutcome::Stopped);
    ASSERT_EQ(local.messages().size(), 1u);
    EXPECT_EQ(local.last().title, "Error Nr. 76");
    EXPECT_EQ(local.last().text, "Path not found\r\nContinue program?");
    EXPECT_EQ(local.last().buttons, Buttons::YesNo);
    EXPECT_TRUE(doc.Geaendert);
    EXPECT_EQ(localProgress.captions.back(), "");
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(ProjectFileTest, CommandsAskForTheFileAndStopWhenCancelled) {
  Document doc;
  FillDocument(doc, "");
  doc.Geaendert = true;
  doc.TabelleGeaendert = true;

  FixedFileChooser cancel(std::nullopt);
  EXPECT_EQ(SaveProject(doc, cancel, prompter, progress), ProjectOutcome::Cancelled);
  EXPECT_EQ(LoadProject(doc, cancel, prompter, progress), ProjectOutcome::Cancelled);
  ASSERT_EQ(cancel.requests.size(), 2u);
  EXPECT_EQ(cancel.requests[0].title, "Projekt speichern...");
  EXPECT_EQ(cancel.requests[0].filter, "Orvane Projektdatei|*.ovp");
  EXPECT_EQ(cancel.requests[0].fileName, "");
  EXPECT_TRUE(cancel.requests[0].save);
  EXPECT_EQ(cancel.requests[1].title, "Projekt laden...");
  EXPECT_EQ(cancel.requests[1].filter, "Orvane Projektdatei|*.ovp");
  EXPECT_EQ(cancel.requests[1].fileName, "");
  EXPECT_FALSE(cancel.requests[1].save);
  EXPECT_TRUE(doc.Geaendert);
  EXPECT_FALSE(doc.TabelleGeaendert);  // cleared by choosing the command
  EXPECT_EQ(progress.steps, (std::vector<std::pair<int32_t, int32_t>>{{0, kProgressTotal}}));
  EXPECT_TRUE(prompter.empty());

  FixedFileChooser chosen(dir.file("cmd.ovp"));
  ASSERT_EQ(SaveProject(doc, chosen, prompter, progress), ProjectOutcome::Done);
  EXPECT_FALSE(doc.Geaendert);
  Document loaded;
  loaded.TabelleGeaendert = true;
  ASSERT_EQ(LoadProject(loaded, chosen, prompter, progress), ProjectOutcome::Done);
  EXPECT_EQ(CountDifferences(doc, loaded), 0);
  EXPECT_FALSE(loaded.TabelleGeaendert);
}

}  // namespace
}  // namespace orvane
