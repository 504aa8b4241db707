// PO exchange: export and import give back a project byte for byte, edited msgstr texts change
// exactly their places, every byte value travels, and every refusal names its entry's line.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "common/file_helpers.h"
#include "common/progress_sink.h"
#include "demo/demo_rom.h"
#include "exchange/po_exchange.h"
#include "exchange/po_file.h"
#include "exchange/project_diff.h"
#include "project/project_file.h"
#include "support/rom_fixture.h"
#include "support/scripted_prompter.h"

namespace orvane {
namespace {

using testing::ReadFileText;
using testing::TempFolder;

const Document& Demo() {
  static const Document demo = [] { Document doc; return demo::MakeDemoDocument(doc), doc; }();
  return demo;
}

std::string ProjectBytes(Document& doc, const TempFolder& folder) {
  testing::ScriptedPrompter prompter;
  SilentProgress progress;
  EXPECT_EQ(SaveProjectFile(doc, folder.file("p.ovp"), prompter, progress), ProjectOutcome::Done);
  return ReadFileText(folder.file("p.ovp"));
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

TEST(PoExchange, ExportThenImportGivesBackTheProjectByteForByte) {
  TempFolder folder;
  Document edited = Demo();
  edited.Texte[1][1].Aktuell = "Kael: \"Wait!\"[WS]{1a}{A0}...";
  edited.Texte[13][1203].Aktuell = "Lirae[L_]Pell";
  edited.Texte[21][50].Aktuell = edited.Texte[21][49].Original;
  const std::string po = folder.file("texts.po");
  EXPECT_EQ(ExportPo(edited, po, {}), 4717u + 1098u);
  const std::string file = ReadFileText(po);
  EXPECT_NE(file.find("#. 35 bytes\nmsgctxt \"bank 1 text 2\"\n"), std::string::npos);
  EXPECT_NE(file.find("#. 10 bytes, at most 10 characters\nmsgctxt \"item 1 name\"\n"), std::string::npos);
  EXPECT_NE(file.find("#. 12 bytes, at most 40 characters\nmsgctxt \"item 0 description\"\n"), std::string::npos);
  const std::string check = "/usr/bin/msgfmt -c --check-format -o /dev/null " + po + " 2>/dev/null";
  EXPECT_TRUE(!DateiExistiert("/usr/bin/msgfmt") || std::system(check.c_str()) == 0);

  Document original = Demo();
  const PoImportPlan plan = PlanPoImport(original, po);
  EXPECT_TRUE(plan.findings.empty());
  EXPECT_EQ(ImportSummary(plan), "3 imported, 5812 unchanged, 0 fuzzy, 0 refused");
  ApplyPoImport(original, plan);
  EXPECT_TRUE(original.Geaendert);
  EXPECT_EQ(ProjectBytes(original, folder), ProjectBytes(edited, folder));
}

TEST(PoExchange, EditedEntriesChangeExactlyTheirTextsFuzzyOnesToo) {
  TempFolder folder;
  const std::string po = folder.file("texts.po");
  ExportPo(Demo(), po, {});
  EditPo(po, {{"bank 2 text 3", "New words."}, {"item 5 name", "Ash Staff"}, {"technique 3 name", "*Feuer"},
              {"technique 7 description", "Hits twice."}});
  EditPo(po, {{"bank 3 text 1", "Not yet."}}, true);

  Document doc = Demo();
  const PoImportPlan plan = PlanPoImport(doc, po);
  EXPECT_EQ(plan.fuzzy, 1);
  ApplyPoImport(doc, plan);
  std::string changed;
  for (const TextChange& change : DiffProjects(Demo(), doc)) changed += change.place + "=" + change.after + "; ";
  EXPECT_EQ(changed, "bank 2 text 3=New words.; bank 3 text 1=Not yet.; item 5 name=Ash Staff; "
                     "technique 3 name=*Feuer; technique 7 description=Hits twice.; ");
}

TEST(PoExchange, EveryByteValueSurvivesExportAndImport) {
  // A table with a one-character code for every byte, so that any byte may stand in a name record.
  Document doc;
  for (int c = 0; c < kCodes; ++c) doc.Tabelle[1][c] = std::string(1, static_cast<char>(c));
  std::string all;
  for (int c = 0; c < kCodes; ++c) all += static_cast<char>(c);
  doc.Texte[1][1].Original = doc.Texte[1][1].Aktuell = all;  // travels as msgid: it must match on the way back
  std::vector<std::pair<std::string, std::string>> names;
  for (int e = 0; e * 11 < kCodes; ++e) names.emplace_back("enemy " + std::to_string(e), all.substr(e * 11, 11));

  TempFolder folder;
  const std::string po = folder.file("all.po");
  ExportPo(doc, po, {});
  EditPo(po, names);
  const PoImportPlan plan = PlanPoImport(doc, po);
  EXPECT_TRUE(plan.findings.empty()) << FindingLine("all.po", plan.findings.front());
  ApplyPoImport(doc, plan);
  std::string back;
  for (int e = 0; e * 11 < kCodes; ++e) back += doc.GegnerNamen[e];
  EXPECT_EQ(back, all);
}

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) out += c == '"' || c == '\\' ? std::string{'\\', c} : std::string{c};
  return out + "\"";
}

std::string Entry(const std::string& place, const std::string& msgid, const std::string& msgstr) {
  return "\nmsgctxt " + Quoted(place) + "\nmsgid " + Quoted(msgid) + "\nmsgstr " + Quoted(msgstr) + "\n";
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
  };
  TempFolder folder;
  const std::string po = folder.file("all.po");
  for (const Row& row : rows) {
    WriteFileAtomically(po, "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n" + row.entries);
    const PoImportPlan plan = PlanPoImport(doc, po);
    ASSERT_FALSE(plan.findings.empty()) << row.problem;
    const std::string finding = FindingLine("all.po", plan.findings.front());
    EXPECT_NE(finding.find(row.problem), std::string::npos) << finding;
    EXPECT_EQ(plan.findings.front().line, row.line) << finding;
    EXPECT_TRUE(plan.changes.empty()) << finding;
  }
  // The file's own character set: UTF-8 (or plain ASCII) only.
  for (const std::string charset : {"ISO-8859-1", "ASCII"}) {
    WriteFileAtomically(po, "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=" + charset + "\\n\"\n");
    EXPECT_EQ(PlanPoImport(doc, po).fileRefused, charset != "ASCII") << charset;
  }
}

}  // namespace
}  // namespace orvane
