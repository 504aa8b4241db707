// The project file and the PO exchange built on it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <numeric>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "common/file_helpers.h"
#include "common/progress_sink.h"
#include "demo/demo_rom.h"
#include "document.h"
#include "exchange/po_exchange.h"
#include "exchange/po_file.h"
#include "project/project_file.h"
#include "layout.h"
#include "support/project_model.h"
#include "support/rom_fixture.h"
#include "support/scripted_prompter.h"

namespace orvane {
namespace {

// Project files: a save writes every value into its line, a load gives every value back, and a
// damaged file (cut anywhere, a header or symbol changed, no file at all) ends with its messages
// and keeps exactly what was read before.
using namespace orvane::testing;
using enum ProjectOutcome;

constexpr int kTotal = 4717 + 510;  // progress: one step per text pair and per table line

// Every value distinct and tagged, some with an 8-bit character, some empty (never in column 1,
// whose empty entries a load fills with escapes).
void FillDocument(Document& doc, const std::string& tag) {
  size_t n = 0;
  ForEachLine(doc, [&](auto& v) {
    using Value = std::remove_cvref_t<decltype(v)>;
    if constexpr (std::is_same_v<Value, uint8_t>)
      v = static_cast<uint8_t>(++n * 37 + tag.size());
    else if constexpr (std::is_same_v<Value, std::string>)
      v = ++n % 7 == 3 && (n > 513 || n % 2) ? ""
                                             : tag + "v" + std::to_string(n) + std::string(n % 3 == 0, 0x80 + n % 128);
    else
      ++n;
  });
}

std::string Join(const Lines& lines, const char* end = "\r\n") {
  std::string text;
  for (const std::string& line : lines) text.append(line).append(end);
  return text;
}

// "" when equal, else the first line that differs.
std::string Difference(const Lines& a, const Lines& b) {
  const size_t i = std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin();
  return a == b ? "" : "line " + std::to_string(i + 1) + ": '" + (i < a.size() ? a[i] : "") + "' vs '" +
                           (i < b.size() ? b[i] : "") + "'";
}

class ProjectFile : public ::testing::Test {
 protected:
  ProjectFile() {
    FillDocument(source, "");
    for (int c = 0; c < 256; ++c)  // every byte but the two line-end characters, in a text and in a table entry
      if (c != '\r' && c != '\n') source.Texte[13][1203].Aktuell = source.Tabelle[2][0xFF] += static_cast<char>(c);
    FillDocument(old, "old-");
    old.TabelleGeaendert = true;
  }
  TempFolder dir;
  Document source, old;
  ScriptedPrompter prompter;
  RecordingProgress progress;
};

TEST_F(ProjectFile, LoadGivesBackEveryValueAndOfADamagedFileExactlyWhatItRead) {
  const Lines full = ProjectLines(source);
  const std::string whole = Join(full);
  // The whole file, with bare LF line ends, its last line end missing, lines two and three holding anything; no file;
  std::vector<std::optional<std::string>> files{whole, Join(full, "\n"), whole.substr(0, whole.size() - 2),
                                                whole.substr(0, whole.size() - 1), std::nullopt};
  const auto changed = [&](size_t n, std::string line) { Lines l = full; l[n] = line, files.push_back(Join(l)); };
  changed(1, "anything"), changed(2, "[tabels] or not");
  // cut after any line, inside one, or before, inside and after each header; a header changed.
  for (size_t line : {1, 200, 513, 5001, 11283}) files.push_back(Join(Lines(full.begin(), full.begin() + line)));
  files.push_back(Join(Lines(full.begin(), full.begin() + 1000)) + full[1000].substr(0, full[1000].size() - 2));
  for (size_t n = 0; n < full.size(); ++n) {
    if (n != 0 && n != 2 && full[n][0] != '[') continue;
    for (size_t part : {size_t{0}, full[n].size() / 2, full[n].size() + 2})
      files.push_back(Join(Lines(full.begin(), full.begin() + n)) + (full[n] + "\r\n").substr(0, part));
    if (n != 2) changed(n, full[n] + " ");
  }
  for (const char* header : {"[orvane Texteditor V 1.00]", "[Orvane Texteditor V 1.01]", ""}) changed(0, header);
  const size_t symbol = std::find(full.begin(), full.end(), "[ITEMS]") - full.begin() + 2;  // of item 1
  for (const char* text : {"32", "\t 7\t", "007", " 0 ", "255", "256", "-1", "", "  ", "3 2", "x", "1000", "+5"})
    changed(symbol, text);

  const Lines before = ProjectLines(old);
  for (const std::optional<std::string>& file : files)
    for (const Answer answer : {Answer::No, Answer::Yes}) {
      SCOPED_TRACE((file ? std::to_string(file->size()) + " bytes ending '" +
                               file->substr(std::max<size_t>(file->size(), 12) - 12) + "'" : "no file") +
                   (answer == Answer::Yes ? ", Yes" : ", No"));
      const Expectation expected = Expect(full, before, file, answer);
      Document doc = old;
      prompter = ScriptedPrompter({answer});
      progress = RecordingProgress();
      if (file) WriteFileAtomically(dir.file("in.ovp"), *file);
      ASSERT_EQ(LoadProjectFile(doc, dir.file(file ? "in.ovp" : "none.ovp"), prompter, progress), expected.outcome);
      EXPECT_EQ(prompter.shown(), expected.shown);
      EXPECT_EQ(Difference(ProjectLines(doc), expected.lines), "");
      EXPECT_FALSE(doc.TabelleGeaendert);
      const bool ended = expected.outcome == Done || expected.outcome == Stopped;
      EXPECT_EQ(!progress.steps.empty() && progress.steps.back() == std::make_pair(0, kTotal), ended);
      EXPECT_TRUE(progress.captions.empty() ? !ended || expected.outcome == Stopped : progress.captions.back().empty());
      if (expected.outcome != Done) continue;
      EXPECT_EQ(progress.captions, (Lines{"Loading Tablefile...", "Loading Dialogs...", ""}));
      ASSERT_EQ(progress.steps.size(), size_t(kTotal + 1));
      EXPECT_EQ(progress.steps[kTotal - 1], std::make_pair(kTotal, kTotal));
      EXPECT_EQ(doc.Tabelle[1][0] + doc.Tabelle[2][0], "{00}");  // code 0 is not stored: its escape is filled in
    }
}

// A FIFO or a file larger than any project is refused before it is read, a large file that is no project is told
// so from its first line alone, and running out of memory half-way is told with its number, the document as it was.
TEST_F(ProjectFile, AFifoAFileTooLargeOrRunningOutOfMemoryIsRefused) {
  ::mkfifo(dir.file("fifo.ovp").c_str(), 0666);
  WriteFileAtomically(dir.file("in.ovp"), Join(ProjectLines(source)));
  for (const auto& [start, shown] :
       {std::pair<std::string, std::string>{"", Question(75, "Path/File access error (not a regular file)")},
        {"[Orvane Texteditor V 1.00]\r\n", Question(75, "Path/File access error (larger than 16 MiB)")},
        {"[Orvane Texteditor V 1.00]x", "Error!|Wrong fileversion detected!|"},
        {"in", Shown(MakeMessage("Error Nr. 7", "Out of memory", Icon::Stop)) + "\n"}}) {
    const std::string path = dir.file(start.empty() ? "fifo.ovp" : start == "in" ? "in.ovp" : "huge.ovp");
    if (start.size() > 2) WriteFileAtomically(path, start), std::filesystem::resize_file(path, 3ull << 30);
    Document doc = old;
    prompter = ScriptedPrompter({Answer::No});
    progress = RecordingProgress(-600);
    EXPECT_EQ(LoadProjectFile(doc, path, prompter, progress) == Stopped, start != "[Orvane Texteditor V 1.00]x");
    EXPECT_TRUE(prompter.shown().starts_with(shown)) << prompter.shown();
    EXPECT_EQ(start == "in" ? Difference(ProjectLines(doc), ProjectLines(old)) : "", "");
  }
}

// The commands: the file dialog, then the file operation; a save writes every value into its line, and a
// file written or read whole becomes the workspace's project with nothing left unsaved. Why a write fails is
// the file commit's case.
TEST_F(ProjectFile, CommandsAskForTheFileSaveEveryValueInItsLineAndStopWhenCancelledOrTheSaveFails) {
  source.TabelleGeaendert = true;
  Workspace ws;
  ws.projectPath = "before.ovp", ws.Geaendert = true;
  FixedFileChooser cancel(std::nullopt), failing(dir.file("no/folder.ovp")), chosen(dir.file("cmd.ovp"));
  EXPECT_EQ(SaveProject(source, ws, cancel, prompter, progress), Cancelled);
  EXPECT_EQ(LoadProject(source, ws, cancel, prompter, progress), Cancelled);
  for (const FileRequest& r : cancel.requests)
    EXPECT_EQ(r.title + r.filter + r.fileName + (r.confirmOverwrite ? "!" : ""),
              (r.save ? "Projekt speichern..." : "Projekt laden...") + std::string("Orvane Projektdatei|*.ovp!"));
  ASSERT_EQ(cancel.requests.size(), 2u);
  EXPECT_EQ(std::pair(cancel.requests[0].save, cancel.requests[1].save), std::pair(true, false));
  EXPECT_FALSE(source.TabelleGeaendert);  // cleared by choosing the command
  EXPECT_EQ(progress.steps, (std::vector<std::pair<int32_t, int32_t>>{{0, kTotal}}));
  prompter.queue(Answer::No);
  EXPECT_EQ(SaveProject(source, ws, failing, prompter, progress), Stopped);
  EXPECT_EQ(std::tuple(prompter.shown(), ws.projectPath, ws.Geaendert, progress.captions.back()),
            std::tuple(Question(76, "Path not found"), "before.ovp", true, ""));
  progress = RecordingProgress();
  ASSERT_EQ(SaveProject(source, ws, chosen, prompter, progress), Done);
  EXPECT_EQ(std::pair(ws.projectPath, ws.Geaendert), std::pair(dir.file("cmd.ovp"), false));
  ASSERT_EQ(ProjectLines(source).size(), 11284u);
  EXPECT_EQ(ReadFileText(dir.file("cmd.ovp")), Join(ProjectLines(source)));
  EXPECT_EQ(progress.captions, (Lines{"Tabellen werden gesichert...", "Dialoge werden gespeichert...", ""}));
  ASSERT_EQ(progress.steps.size(), size_t{kTotal});
  for (int i = 0; i < kTotal; i += 509) EXPECT_EQ(progress.steps[i], std::make_pair(i + 1, kTotal));
  EXPECT_EQ(prompter.shown(), Question(76, "Path not found"));  // the failed save's only
  Workspace other;
  other.Geaendert = true;
  ASSERT_EQ(LoadProject(old, other, chosen, prompter, progress), Done);
  EXPECT_EQ(Difference(ProjectLines(old), ProjectLines(source)), "");
  EXPECT_EQ(std::tuple(other.projectPath, other.Geaendert, old.TabelleGeaendert),
            std::tuple(dir.file("cmd.ovp"), false, false));
  EXPECT_TRUE(std::filesystem::exists(dir.file("cmd.ovp")));
  EXPECT_FALSE(std::filesystem::exists(dir.file("no")));
}

// PO exchange: export and import give back a project with exactly the texts edited in the file, every
// byte value travels, and every refusal names its entry's line.
const Document& Demo() {
  static const Document demo = [] { Document doc; return demo::MakeDemoDocument(doc), doc; }();
  return demo;
}

// Rewrites the msgstr (and the fuzzy mark) of the entries named in `edits`.
void EditPo(const std::string& path, const std::vector<std::pair<std::string, std::string>>& edits,
            bool fuzzy = false) {
  PoReadResult po = ReadPoFile(path);
  for (PoEntry& entry : po.entries)
    for (const auto& [place, text] : edits)
      if (entry.context == place) entry.msgstr = PoText(text), entry.fuzzy = fuzzy;
  WritePoFile(path, po.header, po.entries);
}

TEST(PoExchange, ExportEditAndImportGiveBackTheProjectWithExactlyTheEditedTexts) {
  TempFolder folder;
  Document edited = Demo();
  edited.Texte[1][1].Aktuell = "Kael: \"Wait!\"[WS]{1a}{A0}...";
  edited.Texte[13][1203].Aktuell = "Lirae[L_]Pell";
  edited.Texte[21][50].Aktuell = edited.Texte[21][49].Original;
  const std::string po = folder.file("texts.po");
  EXPECT_EQ(ExportPo(edited, po, {}), 4717u + 1098u);
  for (const char* entry : {"#. 35 bytes\nmsgctxt \"bank 1 text 2\"\n",
                            "#. 10 bytes, at most 10 characters\nmsgctxt \"item 1 name\"\n",
                            "#. 12 bytes, at most 40 characters\nmsgctxt \"item 0 description\"\n"})
    EXPECT_NE(ReadFileText(po).find(entry), std::string::npos) << entry;
  const std::string check = "/usr/bin/msgfmt -c --check-format -o /dev/null " + po + " 2>/dev/null";
  EXPECT_TRUE(!FileExists("/usr/bin/msgfmt") || std::system(check.c_str()) == 0);
  // Translated in the file, one of them marked fuzzy: imported all the same.
  EditPo(po, {{"bank 2 text 3", "New words."}, {"item 5 name", "Ash Staff"}, {"technique 3 name", "*Feuer"},
              {"technique 7 description", "Hits twice."}});
  EditPo(po, {{"bank 3 text 1", "Not yet."}}, true);
  edited.Texte[2][3].Aktuell = "New words.", edited.Items[5].Name = "Ash Staff", edited.TechNamen[3] = "*Feuer";
  edited.TechBeschreibungen[7] = "Hits twice.", edited.Texte[3][1].Aktuell = "Not yet.";

  Document imported = Demo();
  const PoImportPlan plan = PlanPoImport(imported, po);
  EXPECT_TRUE(plan.findings.empty());
  EXPECT_EQ(ImportSummary(plan), "8 imported, 5807 unchanged, 1 fuzzy, 0 refused");
  const DocumentChange change = PoImportChange(imported, plan);
  change.apply(imported);
  EXPECT_EQ(Difference(ProjectLines(imported), ProjectLines(edited)), "");
  // Undone, the import leaves the project as it was, byte for byte.
  change.revert(imported);
  EXPECT_EQ(Difference(ProjectLines(imported), ProjectLines(Demo())), "");
}

TEST(PoExchange, EveryByteValueSurvivesExportAndImport) {
  // A table with a one-character code for every byte, so that any byte may stand in a name record.
  Document doc;
  std::string all;
  for (int c = 0; c < kCodes; ++c) all += doc.Tabelle[1][c] = std::string(1, static_cast<char>(c));
  doc.Texte[1][1].Original = doc.Texte[1][1].Aktuell = all;  // travels as msgid: it must match on the way back
  std::vector<std::pair<std::string, std::string>> names;
  for (int e = 0; e * 11 < kCodes; ++e) names.emplace_back("enemy " + std::to_string(e), all.substr(e * 11, 11));

  TempFolder folder;
  // A file name in Latin-1; the language as gettext's tools look for it.
  ExportPo(doc, folder.file("all.po"), {.projectName = "d\xe9mo", .language = "pt_BR", .creationDate = {}});
  EXPECT_NE(ReadFileText(folder.file("all.po")).find("Project-Id-Version: d\xc3\xa9mo\\n"), std::string::npos);
  EXPECT_NE(ReadFileText(folder.file("all.po")).find("\"Language: pt_BR\\n\""), std::string::npos);
  EditPo(folder.file("all.po"), names);
  const PoImportPlan plan = PlanPoImport(doc, folder.file("all.po"));
  EXPECT_TRUE(plan.findings.empty()) << FindingLine("all.po", plan.findings.front());
  PoImportChange(doc, plan).apply(doc);
  EXPECT_EQ(std::accumulate(doc.GegnerNamen.begin(), doc.GegnerNamen.begin() + (kCodes + 10) / 11, std::string()), all);
}

// An entry as the file holds it; no text used here needs an escape.
std::string Entry(const std::string& place, const std::string& msgid, const std::string& msgstr) {
  return "\nmsgctxt \"" + place + "\"\nmsgid \"" + msgid + "\"\nmsgstr \"" + msgstr + "\"\n";
}

TEST(PoExchange, RefusalsNameTheLineOfTheirEntry) {
  const Document& doc = Demo();
  const std::string text = doc.Texte[1][1].Original, item = doc.Items[1].Name, info = doc.TechBeschreibungen[0];
  struct Row { std::string entries; size_t line; std::string problem; };  // the entries follow the header's lines
  const std::vector<Row> rows = {
      {Entry("bank 22 text 1", "x", "y"), 4, "bank 22 text 1: no text has this place"},
      {Entry("bank 1 text 1", "Another text.", "y"), 4, "the source text changed: the project has"},
      {Entry("bank 1 text 1", text, "a\u2192b"), 4, "the character \"\u2192\" is not in the game's character set"},
      {Entry("bank 1 text 1", text, "a#b"), 4, "the character \"#\" has no code in the table"},
      {Entry("bank 1 text 1", text, "a{ZZ}b"), 4, "the brace group \"{ZZ}\" is no escape"},
      {Entry("bank 1 text 1", text, "a{4} b"), 4, "the brace group \"{4} \" is no escape"},
      {Entry("bank 1 text 1", text, "ab{00}c"), 4, "{00} would end the text there"},
      {Entry("item 1 name", item, "Elevenchars"), 4, "item 1 name: longer than 10 characters (11)"},
      {Entry("item 1 name", item, "Ten{ZZ}"), 4, "the brace group \"{ZZ}\" is no escape"},
      {Entry("technique 0 description", info, std::string(41, 'a')), 4, "longer than 40 characters"},
      {Entry("title 1", doc.SpeicherNamen[1], "") + Entry("title 1", "Other", "x"), 8,
       "title 1: the place appears a second time (first on line 4)"},
      {"\nmsgid \"no place\"\nmsgstr \"x\"\n", 4, "(no msgctxt): no text has this place"},
      {"\nmsgctxt \"bank 1 text 1\"\nmsgid \"broken\nmsgstr \"x\"\n", 6, "all.po:6: end-of-line within string"},
      // A NUL would cut the text, a plural entry would lose its other forms, a text longer than any area never fits;
      // a line may end in a lone CR.
      {Entry("bank 1 text 1", text, "a\\0b"), 6, "all.po:6: a NUL character (\\0), which would cut the text there"},
      {Entry("bank 1 text 1", text, "a\\x0B\\\\0\\x00"), 6, "a NUL character"},
      {Entry("bank 1 text 1", text, std::string("a\0b", 3)), 6, "a NUL character"},
      {"\nmsgctxt \"title 1\"\nmsgid \"a\"\nmsgid_plural \"b\"\nmsgstr[0] \"\"\nmsgstr[1] \"c\"\n", 4,
       "title 1: plural forms (msgid_plural) are not used by the game's texts"},
      {Entry("bank 1 text 1", text, std::string(4 * LargestTextArea() + 1, 'a')), 4,
       "longer than any text area (170025 characters; the largest area holds 42506 bytes)"},
      {"\rmsgctxt \"bank 22 text 1\"\rmsgid \"x\"\rmsgstr \"\"\r", 4, "bank 22 text 1: no text has this place"}};
  TempFolder folder;
  const std::string po = folder.file("all.po");
  for (const Row& row : rows) {
    WriteFileAtomically(po, "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n" + row.entries);
    const PoImportPlan plan = PlanPoImport(doc, po);
    ASSERT_FALSE(plan.findings.empty()) << row.problem;
    const std::string finding = FindingLine("all.po", plan.findings.front());
    EXPECT_NE(finding.find(row.problem), std::string::npos) << finding;
    EXPECT_EQ(std::pair(plan.findings.front().line, plan.changes.size()), std::pair(row.line, size_t{0})) << finding;
  }
  // The file's own character set, its name compared whole: UTF-8 (or plain ASCII) only. A byte order mark is
  // passed over.
  for (const auto& [charset, refused] : {std::pair{"ISO-8859-1", true}, {"utf-8x", true}, {"asciiwhatever", true},
                                         {"ASCII", false}, {"\xEF\xBB\xBF", false}}) {
    const bool mark = std::string(charset).starts_with("\xEF");
    WriteFileAtomically(po, (mark ? charset : "") + std::string("msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=") +
                                (mark ? "UTF-8" : charset) + "\\n\"\n" + Entry("title 1", doc.SpeicherNamen[1], ""));
    const PoImportPlan plan = PlanPoImport(doc, po);
    EXPECT_EQ(std::pair(plan.fileRefused, plan.unchanged), std::pair(refused, refused ? 0 : 1)) << charset;
  }
  // More entries than any project has places are refused before the library reads them.
  std::string many;
  for (size_t i = 0; i <= kMostPoEntries; ++i) many += "msgid \"a\"\nmsgstr \"\"\n";
  WriteFileAtomically(po, many);
  EXPECT_EQ(FindingLine("all.po", PlanPoImport(doc, po).findings.at(0)),
            "all.po: the file holds 100001 entries, more than the 100000 a PO file of this program may have");
}

}  // namespace
}  // namespace orvane
