// Translation progress: the status table, the companion file beside a project (round trip, missing and
// broken files, the project file untouched), statuses through PO files, and the advice rows of the
// problems list: renamed names in the dialogue and misspelled words.
#include <gtest/gtest.h>

#include <filesystem>

#include "check/old_names.h"
#include "check/problems.h"
#include "common/file_helpers.h"
#include "demo/demo_rom.h"
#include "exchange/po_exchange.h"
#include "exchange/po_file.h"
#include "editors/reflow.h"
#include "editors/text_search.h"
#include "progress/translation_progress.h"
#include "project/companion_file.h"
#include "project/project_file.h"
#include "support/rom_fixture.h"
#include "support/scripted_prompter.h"

namespace orvane {
namespace {

using namespace orvane::testing;
using enum TextStatus;
using enum StatusEvent;

const Document& Demo() {
  static const Document demo = [] {
    Document doc;
    demo::MakeDemoDocument(doc);
    StartProgress(doc);  // as a load of the demo ROM does
    return doc;
  }();
  return demo;
}

TEST(TextStatusTable, EveryEventFromEveryStatus) {
  const struct { StatusEvent event; std::array<TextStatus, 4> after; } rows[] = {
      {Edit, {Draft, Draft, Translated, Draft}},           {SaveAndNext, {Translated, Translated, Translated, Reviewed}},
      {Review, {Reviewed, Reviewed, Reviewed, Reviewed}},  {Import, {Translated, Translated, Translated, Reviewed}},
      {SaveUnwritable, {Draft, Draft, Draft, Draft}}};
  for (const auto& row : rows)
    for (int from = 0; from < kStatusCount; ++from)
      EXPECT_EQ(NextStatus(TextStatus(from), row.event), row.after[from]) << int(row.event) << " from " << from;
  for (int s = 0; s < kStatusCount; ++s) EXPECT_EQ(StatusFromName(StatusName(TextStatus(s))), TextStatus(s));
  EXPECT_FALSE(StatusFromName("done"));
  // Done is translated and reviewed, of all texts; nothing of nothing is 0.
  EXPECT_EQ((StatusCounts{}.percentDone() + " " + StatusCounts{{0, 0, 1, 0}}.percentDone() + " " +
             StatusCounts{{1, 1, 0, 1}}.percentDone()), "0.0 100.0 33.3");
  // Without a companion file a status follows from the text.
  EXPECT_EQ(std::pair(DerivedStatus("a", "a"), DerivedStatus("b", "a")), std::pair(Untranslated, Draft));
}

// Replace all and reflow change a text of each status into another text, back into its original, or
// into what it was: the statuses that follow, from untranslated to reviewed; undo gives back each one.
// A name has no status.
TEST(TextStatusTable, EveryChangeThatIsNoMarkFollowsTheText) {
  const struct { std::string to; std::array<TextStatus, 4> after; } rows[] = {
      {"~2", {Draft, Draft, Translated, Draft}}, {"", {Untranslated, Untranslated, Untranslated, Untranslated}},
      {"~1", {Untranslated, Draft, Translated, Reviewed}}};
  for (const auto& row : rows) {
    for (const bool reflow : {false, true}) {
      Document doc = Demo();
      std::vector<TextReflow> plan;
      for (int t = 1; t <= 4; ++t) {
        doc.Texte[2][t].Aktuell = doc.Texte[2][t].Original + "~1";
        ProgressOf(doc, 2, t).status = TextStatus(t - 1);
        plan.push_back({{TextList::Dialogue, 2, t}, doc.Texte[2][t].Aktuell, doc.Texte[2][t].Original + row.to});
      }
      const std::string before = CompanionText(doc);
      const DocumentChange change = reflow ? ReflowChange(doc, plan) : ReplaceAll(doc, "~1", row.to, true).change;
      change.apply(doc);
      std::array<TextStatus, 4> after{};
      for (int t = 1; t <= 4; ++t) after[t - 1] = ProgressOf(doc, 2, t).status;
      EXPECT_EQ(after, row.after) << row.to << (reflow ? " reflowed" : " replaced");
      change.revert(doc);
      EXPECT_EQ(CompanionText(doc), before);
    }
  }
  DocumentChange renamed;
  AddTextEdit(renamed, Demo(), {TextList::ItemNames, 0, 5}, "Ash Staff");
  EXPECT_EQ(std::pair(renamed.texts().size(), renamed.progress().size()), std::pair(size_t{1}, size_t{0}));
}

// The demo with statuses, notes, words and a renamed name; texts 1..3 of bank 2 edited.
Document Worked() {
  Document doc = Demo();
  for (int t = 1; t <= 3; ++t) doc.Texte[2][t].Aktuell = "Neu " + std::to_string(t);
  ProgressOf(doc, 2, 1).status = Draft;
  DocumentChange marks;
  AddStatusEvent(marks, doc, 2, 2, SaveAndNext);
  AddStatusEvent(marks, doc, 2, 3, Review);
  AddStatusEvent(marks, doc, 21, 50, Review);  // reviewed without a change
  marks.apply(doc);
  ProgressOf(doc, 2, 2).note = "Zu lang?\nPr\xFC" "fen \xA7 \"quote\"";
  doc.Progress.words = {"Kaelburg", "Gr\xFC\xDF" "e"};
  doc.Items[5].Name = "Ash Staff";
  doc.Progress.glossary = {{"Royal Guard", "K\xF6nigsgarde", "always \"the\", never \"a\""}, {"Kael", "Kael", ""}};
  return doc;
}

TEST(CompanionFile, SaveAndLoadGiveBackEverythingAndLeaveTheProjectFileAlone) {
  TempFolder folder;
  Document worked = Worked(), plain = worked;
  StartProgress(plain);
  ScriptedPrompter prompter;
  SilentProgress progress;
  ASSERT_EQ(SaveProjectFile(plain, folder.file("plain.ovp"), prompter, progress), ProjectOutcome::Done);
  ASSERT_EQ(SaveProjectFile(worked, folder.file("w.ovp"), prompter, progress), ProjectOutcome::Done);
  EXPECT_EQ(ReadFileText(folder.file("w.ovp")), ReadFileText(folder.file("plain.ovp")));
  EXPECT_NE(ReadFileText(folder.file("w.ovs")).find("\"item 5 name\": \"" + Demo().Items[5].Name + "\""),
            std::string::npos);

  Document back;
  ASSERT_EQ(LoadProjectFile(back, folder.file("w.ovp"), prompter, progress), ProjectOutcome::Done);
  EXPECT_TRUE(prompter.empty()) << prompter.shown();
  EXPECT_EQ(CountStatuses(back, 0).count, (std::array<int32_t, 4>{4713, 1, 1, 2}));
  EXPECT_EQ(std::tie(ProgressOf(back, 2, 2).note, back.Progress.words, back.Progress.nameOriginals,
                     back.Progress.glossary),
            std::tie(ProgressOf(worked, 2, 2).note, worked.Progress.words, worked.Progress.nameOriginals,
                     worked.Progress.glossary));
  EXPECT_EQ(CompanionText(back), CompanionText(worked));
}

TEST(CompanionFile, MissingOrBrokenFilesLeaveDerivedStatusesAndSayWhy) {
  const std::string head = "{\"format\": \"Orvane Texteditor progress\", \"version\": 1";
  const std::string texts = head + ", \"texts\": {\"bank 2 text 1\": {\"status\": ";
  const struct { std::optional<std::string> text; std::string reason; } rows[] = {
      {std::nullopt, ""}, {head + "}", ""},
      {"{\"format\": \"Orvane", "could not be read: parse error at line 1, column 19: syntax error"},
      {"[1, 2]", "it is no progress file of this program"}, {head + ", \"texts\": []}", "\"texts\" has the wrong type"},
      {"{\"format\": \"Orvane Texteditor progress\", \"version\": 2}", "another version of the program (format 2)"},
      {"{\"format\": \"Orvane Texteditor progress\"}", "another version of the program (format null)"},
      {head.substr(0, 52) + "4294967297}", "(format 4294967297)"}, {head.substr(0, 52) + "1.9}", "(format 1.9)"},
      {head.substr(0, 52) + "-4294967295}", "(format -4294967295)"},
      {head + ", \"x\": \"" + std::string(kLargestCompanion, 'x') + "\"}", "(larger than 4 MiB)"},
      {head + ", \"texts\": {\"bank 2 text 999\": {}}}", "there is no text \"bank 2 text 999\""},
      {texts + "\"done\"}}}", "bank 2 text 1: unknown status \"done\""},
      {texts + "\"draft\", \"note\": 5}}}", "bank 2 text 1: the note is not a string"},
      {head + ", \"words\": [\"\u2192\"]}", "a word holds \"\u2192\", which the game's character set lacks"},
      {head + ", \"names\": {\"bank 1 text 1\": \"x\"}}", "there is no name \"bank 1 text 1\""},
      {head + ", \"glossary\": [{\"target\": \"x\"}]}", "glossary term 1: the source is not a string"}};
  TempFolder folder;
  Document doc = Worked();
  ScriptedPrompter quiet;
  SilentProgress progress;
  ASSERT_EQ(SaveProjectFile(doc, folder.file("p.ovp"), quiet, progress), ProjectOutcome::Done);
  for (const auto& row : rows) {
    std::remove(folder.file("p.ovs").c_str());
    if (row.text) WriteFileAtomically(folder.file("p.ovs"), *row.text);
    ScriptedPrompter prompter;
    Document back = Worked();  // whatever was there before goes
    ASSERT_EQ(LoadProjectFile(back, folder.file("p.ovp"), prompter, progress), ProjectOutcome::Done) << row.reason;
    EXPECT_EQ(CountStatuses(back, 2).count, (std::array<int32_t, 4>{441, 3, 0, 0})) << row.reason;
    EXPECT_EQ(std::pair(back.Progress.words.size(), ProgressOf(back, 2, 2).note), std::pair(size_t{0}, std::string()))
        << row.reason;
    EXPECT_TRUE(back.Progress.glossary.empty()) << row.reason;
    EXPECT_EQ(NameOriginal(back, {TextList::ItemNames, 0, 5}), "Ash Staff") << row.reason;
    if (row.reason.empty()) EXPECT_TRUE(prompter.empty()) << prompter.shown();
    else EXPECT_EQ(prompter.shown().substr(0, 46), "Warning!|The progress file p.ovs could not be ") << row.reason;
    EXPECT_NE(prompter.shown().find(row.reason), std::string::npos) << prompter.shown();
  }
}

// The project and its progress file are written as one: when either cannot be written, both old files stay;
// a project may not be its own progress file.
TEST(CompanionFile, AFailedSaveLeavesBothOldFiles) {
  TempFolder folder;
  ScriptedPrompter prompter;
  SilentProgress progress;
  Document doc = Worked();
  for (const char* name : {"q.ovp", "x.ovs"}) WriteFileAtomically(folder.file(name), std::string("old"));
  std::filesystem::create_directory(folder.file("q.ovs"));  // the progress file cannot be written
  for (const char* name : {"q.ovp", "x.ovs"})
    EXPECT_EQ(SaveProjectFile(doc, folder.file(name), prompter, progress), ProjectOutcome::Stopped) << name;
  EXPECT_EQ(std::tuple(ReadFileText(folder.file("q.ovp")), ReadFileText(folder.file("x.ovs")),
                       std::distance(std::filesystem::directory_iterator(folder.path()), {})),
            std::tuple("old", "old", 3));
  EXPECT_NE(prompter.shown().find("(the project would be its own progress file " + folder.file("x.ovs") + ")"),
            std::string::npos) << prompter.shown();
}

TEST(CompanionFile, PoFilesCarryNotesAndDraftsAndImportMovesStatuses) {
  TempFolder folder;
  const std::string po = folder.file("t.po");
  ExportPo(Worked(), po, {});
  PoReadResult read = ReadPoFile(po);
  EXPECT_NE(ReadFileText(po).find("# Zu lang?\n# Pr\xC3\xBC" "fen \xC2\xA7 \"quote\"\n#. "), std::string::npos);
  std::map<std::string, PoEntry*> byPlace;
  for (PoEntry& entry : read.entries) byPlace[entry.context] = &entry;
  EXPECT_EQ(std::tuple(byPlace["bank 2 text 1"]->fuzzy, byPlace["bank 2 text 2"]->fuzzy, byPlace["bank 3 text 1"]->fuzzy),
            std::tuple(true, false, false));

  // A fuzzy entry changes a text as any edit does; one that is not marks it translated; a flag alone on
  // the text the place holds moves nothing.
  const struct { const char* place; const char* msgstr; bool fuzzy; TextStatus after; } rows[] = {
      {"bank 3 text 1", "Fuzzy.", true, Draft},           {"bank 3 text 2", "Fertig.", false, Translated},
      {"bank 2 text 1", "Neu 1", false, Draft},           {"bank 2 text 2", "Neu 2b", true, Translated},
      {"bank 2 text 3", "Anders.", false, Translated},    {"bank 21 text 50", "Anders.", true, Draft}};
  for (const auto& row : rows) byPlace[row.place]->msgstr = row.msgstr, byPlace[row.place]->fuzzy = row.fuzzy;
  WritePoFile(po, read.header, read.entries);
  Document doc = Worked();
  const PoImportPlan plan = PlanPoImport(doc, po);
  EXPECT_EQ(ImportSummary(plan), "5 imported, 5810 unchanged, 3 fuzzy, 0 refused");
  PoImportChange(doc, plan).apply(doc);
  const auto places = PlacesByName(doc);
  for (const auto& row : rows) {
    const TextPlace& place = places.at(row.place);
    EXPECT_EQ(ProgressOf(doc, place.bank, place.index).status, row.after) << row.place;
  }
  // What an import made goes out and comes back without moving a status.
  ExportPo(doc, po, {});
  EXPECT_TRUE(PoImportChange(doc, PlanPoImport(doc, po)).empty());
}

TEST(Advice, ARenamedItemFollowedIntoTheDialogueAndTheMisspelledWords) {
  Document doc = Demo();
  const std::string old = NameInText(doc.Items[7].Name);  // "Bone Ring"
  // The old name in five originals; the translation renames it in two of them, keeps it in one, drops
  // it in one and writes the new one only as part of a longer word in the last.
  const std::string news[] = {"A new Ember Cup.", "ember cup!", old + ", old " + old, "nothing", "xEmber Cup"};
  for (int t = 1; t <= 5; ++t) doc.Texte[4][t] = {news[t - 1], "Take the " + old + ", friend."};
  doc.Texte[4][6].Aktuell = doc.Texte[4][6].Original = "Take the " + old + "s";  // a longer word: no mention
  TempFolder folder;
  WriteFileAtomically(folder.file("xx_XX.aff"), std::string("SET UTF-8\n"));
  WriteFileAtomically(folder.file("xx_XX.dic"), std::string("6\na\nnew\nnothing\nold\ntake\nthe\n"));
  const auto checker = OpenSpellChecker("xx_XX", {folder.path()});
  std::string found;
  for (const bool renamed : {false, true}) {  // spelling only with the rename
    if (renamed) doc.Items[7].Name = "  Ember Cup{00}";
    SpellingScan scan(doc, *checker);
    std::vector<ProblemRow> rows;
    AddAdvice(doc, renamed ? &scan : nullptr, rows);
    for (const ProblemRow& row : rows)
      if (IsAdvice(row.kind) && PlaceName(*row.place) == row.where && row.place->bank == 4 && row.place->index <= 6)
        found += std::string(KindName(row.kind)) + " " + row.where.substr(12) + ": " +
                 row.reason.substr(0, row.reason.find(" is not in the dictionary, the names or the word list")) + "\n";
  }
  // Names are accepted as they are written; the old one's words are still words of other names.
  EXPECT_EQ(found, R"(Old name still used 3: still says "Bone Ring": item 7 name is now "Ember Cup"
Old name still used 4: lacks "Ember Cup": item 7 name was "Bone Ring"
Old name still used 5: lacks "Ember Cup": item 7 name was "Bone Ring"
Spelling 2: "ember"
Spelling 2: "cup"
Spelling 5: "xEmber"
Spelling 6: "Rings"
)");
  EXPECT_EQ(NameInText("*{01}Fire{FF} "), "Fire");
}

}  // namespace
}  // namespace orvane
