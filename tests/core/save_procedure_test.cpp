// "Save in Rom" as a whole, on the demo document and real files: every question and its answers, the
// copy to a new name, the automatic optimizer and its seed, the closing reports, and what the file
// holds after a finished, stopped or failed save.
#include "writer/save_procedure.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "common/file_helpers.h"
#include "compression/optimizer.h"
#include "demo/demo_rom.h"
#include "rom/layout.h"
#include "support/rom_fixture.h"
#include "support/write_harness.h"

namespace orvane {
namespace {

using testing::Bytes;
namespace fs = std::filesystem;

constexpr int32_t kHighestArea = 0x3FD762;  // the byte after bank 21's text area, the last one

// The demo document and its ROM, with bytes outside the text areas (before the lowest area and behind
// the highest one) that only a copy of this file can have.
const std::pair<Document, Bytes>& Demo() {
  static const std::pair<Document, Bytes> demo = [] {
    std::pair<Document, Bytes> d;
    demo::MakeDemoDocument(d.first);
    d.second = demo::WriteDemoRom(d.first);
    for (int32_t p = 0; p < kStadtDatenStart; p += 7) d.second[p] = p & 0xFF;
    for (int32_t p = kHighestArea; p < kFullImageSize; p += 7) d.second[p] = p & 0xFF;
    return d;
  }();
  return demo;
}

bool SameBytes(const Bytes& a, const Bytes& b, int32_t first, int32_t end) {
  return std::min(a.size(), b.size()) >= size_t(end) && std::equal(&a[first], &a[end], &b[first]);
}

class SaveInRomTest : public ::testing::Test {
 protected:
  // The demo document loaded from `loaded`, with a settled dictionary and unsaved changes.
  void SetUp() override {
    WriteFileAtomically(loaded, Demo().second);
    doc.RomPfadGeladen = loaded;
    doc.TabelleGeaendert = doc.Geaendert = true;
  }

  // Saves into `target` (none: the dialog was closed); returns the titles of the messages shown.
  std::string Save(const std::optional<std::string>& target, std::deque<Answer> answers = {}, long stopAfter = 0) {
    prompter = testing::ScriptedPrompter(std::move(answers));
    progress = testing::RecordingProgress(stopAfter);
    testing::FixedFileChooser chooser(target);
    outcome = SaveInRom(doc, params, prompter, progress, chooser);
    requests = chooser.requests;
    std::string titles;
    for (const Message& m : prompter.messages()) titles += m.title + ";";
    return titles;
  }

  testing::TempFolder folder;
  const std::string loaded = folder.file("loaded.smc");
  Document doc = Demo().first;
  SaveParams params;
  testing::ScriptedPrompter prompter;
  testing::RecordingProgress progress;
  SaveOutcome outcome = SaveOutcome::Finished;
  std::vector<FileRequest> requests;
};

// Every way through a save: the warning and its two answers, a closed dialog or an empty name, the
// optimizer stopped, Cancel while writing, a bank without room, a brace group that is no number,
// a character without a code, targets that cannot be written (without a loaded ROM to copy), and entries that do
// not fit. Each row: the setup, the target, the answers, the progress call that stops the save, the titles shown,
// the outcome and what the target holds afterwards. A save that does not finish leaves the texts unsaved and the
// target as it was, and says so last.
TEST_F(SaveInRomTest, EveryAnswerPathEndsWithItsMessagesOutcomeAndFile) {
  enum Setup { kSettled, kWarned, kUnsettled, kNoSource, kOverfull, kBadBrace, kUnknownCode, kLongInfos };
  enum Left { kOld, kChanged, kNone };
  struct Path { Setup setup; std::optional<std::string> target; std::deque<Answer> answers; long stopAfter;
                std::string titles; SaveOutcome outcome; Left left; };
  const std::string readOnly = folder.file("readonly.smc"), taken = folder.file("taken.smc");
  const std::string missing = folder.file("missing/out.smc"), fifo = folder.file("fifo.smc");
  const Path paths[] = {
      {kWarned, loaded, {Answer::Cancel}, 0, "Warning!!!;", SaveOutcome::Cancelled, kOld},
      {kWarned, loaded, {Answer::Ok}, 0, "Warning!!!;Finished!;Info;", SaveOutcome::Finished, kChanged},
      {kUnsettled, std::nullopt, {}, 0, "", SaveOutcome::Cancelled, kOld},  // the default setting asks nothing
      {kSettled, "", {}, 0, "", SaveOutcome::Cancelled, kOld},
      {kUnsettled, loaded, {}, 3, "Orvane Texteditor;", SaveOutcome::Stopped, kOld},
      {kSettled, loaded, {}, 20, "Orvane Texteditor;", SaveOutcome::Stopped, kOld},
      {kOverfull, loaded, {Answer::Ok}, 0, "Error!;Finished!;Info;", SaveOutcome::Finished, kChanged},
      {kOverfull, loaded, {Answer::Cancel}, 0, "Error!;Orvane Texteditor;", SaveOutcome::Stopped, kOld},
      {kBadBrace, loaded, {Answer::Yes}, 0, "Error Nr. 13;Finished!;Info;", SaveOutcome::Finished, kChanged},
      {kBadBrace, loaded, {Answer::No}, 0, "Error Nr. 13;Orvane Texteditor;", SaveOutcome::Stopped, kOld},
      {kUnknownCode, loaded, {}, 0, "Error!;Orvane Texteditor;", SaveOutcome::Stopped, kOld},
      {kLongInfos, loaded, {}, 0, "Finished!;Info;Not everything fitted!;", SaveOutcome::Finished, kChanged},
      {kNoSource, readOnly, {Answer::No}, 0, "Orvane Texteditor;", SaveOutcome::Cancelled, kOld},
      {kNoSource, readOnly, {Answer::Yes, Answer::No}, 0, "Orvane Texteditor;Error Nr. 70;Orvane Texteditor;",
       SaveOutcome::Stopped, kOld},
      {kNoSource, readOnly, {Answer::Yes, Answer::Yes, Answer::Yes}, 0,
       "Orvane Texteditor;Error Nr. 70;Error Nr. 70;Orvane Texteditor;", SaveOutcome::Stopped, kOld},
      {kNoSource, missing, {Answer::Yes, Answer::Yes}, 0, "Error Nr. 76;Error Nr. 76;Orvane Texteditor;",
       SaveOutcome::Stopped, kNone},
      {kSettled, fifo, {Answer::Yes, Answer::Yes}, 0, "Error Nr. 75;Error Nr. 75;Orvane Texteditor;",
       SaveOutcome::Stopped, kOld},
      {kNoSource, taken, {Answer::No}, 0, "Error Nr. 75;Orvane Texteditor;", SaveOutcome::Stopped, kOld}};
  const std::multimap<std::string, std::string> shown{
      {"Warning!!!", "The compression should be optimized to avoid errors. Continue anyway?|100"},
      {"Error Nr. 13", "Type mismatch\r\nContinue program?|202"},
      {"Orvane Texteditor", readOnly + " already exists.\r\nDo you want to replace it?|223"},
      {"Error Nr. 70", "Permission denied\r\nContinue program?|202"},
      {"Error Nr. 75", "Path/File access error"},
      {"Orvane Texteditor", "The save stopped, nothing was written: \""},
      {"Error Nr. 76", "Path not found\r\nContinue program?|202"},
      {"Not everything fitted!", "These entries did not fit into their areas and were not written:\r\nItem-Info "}};
  fs::create_directory(taken);
  params.keepBackup = params.confirmReplace = true;
  ::mkfifo(fifo.c_str(), 0666);
  for (const Path& path : paths) {
    SCOPED_TRACE(path.titles);
    WriteFileAtomically(readOnly, Bytes{1, 2, 3});
    ::chmod(readOnly.c_str(), 0444);
    doc = Demo().first;
    doc.RomPfadGeladen = path.setup == kNoSource ? "" : loaded;
    doc.TabelleGeaendert = path.setup != kWarned && path.setup != kUnsettled;
    doc.OhneOptimierWarnung = path.setup == kWarned ? 0 : 1;
    doc.Geaendert = true;
    for (int t = 1; path.setup == kOverfull && t <= 50; ++t) doc.Texte[21][t].Aktuell = "Zuri, hold on tight!";
    if (path.setup == kBadBrace) doc.Texte[2][5].Aktuell = "Go {ZZ} now";
    if (path.setup == kUnknownCode) doc.Texte[4][2].Aktuell = "Go_now";
    for (int i = 1; path.setup == kLongInfos && i <= kItemInfoCount; ++i)
      doc.ItemInfos[i] = "Description " + std::to_string(i);
    const Bytes before = path.target && fs::is_regular_file(*path.target) ? ReadWholeFile(*path.target) : Bytes{};
    EXPECT_EQ(Save(path.target, path.answers, path.stopAfter), path.titles);
    EXPECT_EQ(outcome, path.outcome);
    EXPECT_EQ(doc.Geaendert, outcome != SaveOutcome::Finished);
    EXPECT_TRUE(path.titles == "Warning!!!;" ? progress.captions.empty() : progress.captions.back().empty());
    for (const Message& m : prompter.messages())
      EXPECT_TRUE(!shown.count(m.title) || std::any_of(shown.lower_bound(m.title), shown.upper_bound(m.title), [&](auto& s) {
        return testing::Shown(m).starts_with(m.title + "|" + s.second);
      }));
    EXPECT_TRUE(path.setup != kLongInfos || testing::Shown(prompter.last()).ends_with("|020!"));
    const Bytes after = path.target && fs::is_regular_file(*path.target) ? ReadWholeFile(*path.target) : Bytes{};
    // The file a save replaced is kept as NAME.bak.
    const bool kept = path.target && fs::exists(*path.target + ".bak");
    EXPECT_TRUE(kept ? ReadWholeFile(*path.target + ".bak") == before : outcome != SaveOutcome::Finished);
    if (kept) fs::remove(*path.target + ".bak");
    EXPECT_EQ(after == before, path.left != kChanged);
    EXPECT_TRUE(outcome != SaveOutcome::Stopped ||
                prompter.last().text.ends_with(path.left == kNone ? "\" was not created." : "\" is unchanged."));
    EXPECT_TRUE(path.left != kNone || !fs::exists(folder.file("missing")));
    EXPECT_EQ(requests.empty() ? "" : requests[0].title + requests[0].filter,
              path.titles == "Warning!!!;" ? "" : "In Rom Speichern...SNES-Roms|*.smc;*.fig");
    const bool bank21Given = !prompter.empty() && prompter.last().text.find("Bank21:0\r") < 999;
    EXPECT_EQ(bank21Given, path.titles == "Error!;Finished!;Info;");
  }
  EXPECT_TRUE(fs::is_empty(taken) && fs::is_fifo(fifo));
}

// A new name gets a copy of the loaded ROM with the new texts and leaves the loaded ROM as it was; when
// the loaded ROM cannot be copied, the save stops there and the new file is not created.
TEST_F(SaveInRomTest, ANewNameGetsACopyOfTheLoadedRomOrIsNotCreated) {
  doc.Texte[1][1].Aktuell = "Kael";
  const std::string copy = folder.file("made/for/you/copy.smc");
  EXPECT_EQ(Save(copy), "Finished!;Info;");
  EXPECT_EQ(ReadWholeFile(loaded), Demo().second);
  const Bytes out = ReadWholeFile(copy);
  EXPECT_EQ(Bytes(out.begin() + 0x370590, out.begin() + 0x370592), testing::Hex("13 00"));
  EXPECT_TRUE(SameBytes(out, Demo().second, 0, kStadtDatenStart) &&
              SameBytes(out, Demo().second, kHighestArea, kFullImageSize));
  doc.RomPfadGeladen = folder.file("gone.smc");
  EXPECT_EQ(Save(folder.file("new/fresh.smc")), "Orvane Texteditor;Orvane Texteditor;");
  EXPECT_EQ(testing::Shown(prompter.messages()[0]),
            testing::Shown(MakeMessage("Orvane Texteditor", "Couldn't copy file \"" + doc.RomPfadGeladen + "\"")));
  EXPECT_TRUE(outcome == SaveOutcome::Stopped && !fs::exists(folder.file("new")));
}

// The automatic optimizer runs while the dictionary is unsettled, with the seed given, or with one from
// the clock for seed 0; the second save keeps the dictionary the first one settled.
TEST_F(SaveInRomTest, TheOptimizerSettlesTheDictionaryWithTheGivenSeedOrTheClock) {
  const auto optimized = [this] {
    return std::count(progress.captions.begin(), progress.captions.end(), "Searching best compression...");
  };
  for (const uint64_t seed : {1, 0}) {
    doc.TabelleGeaendert = false;
    params.seed = seed;
    EXPECT_EQ(Save(loaded), "Finished!;Info;");
    EXPECT_TRUE(optimized() == 1 && doc.TabelleGeaendert && doc.Kodiertabelle == doc.Tabelle[1]);
    Document direct = Demo().first;
    ASSERT_TRUE(SucheBesteKompression(direct, progress, prompter, seed));
    EXPECT_EQ(doc.Tabelle[1] == direct.Tabelle[1], seed != 0) << seed;
  }
  EXPECT_EQ(Save(loaded), "Finished!;Info;");
  EXPECT_EQ(optimized(), 0);
}

// The time counts from the start rounded to a whole second, halves to even, and runs negative across
// midnight. An unchanged document writes the bytes the file had.
TEST_F(SaveInRomTest, FinishedTellsTheTimeAndInfoTheFreeSpace) {
  for (const auto& [start, end, shown] :
       {std::tuple<double, double, std::string>{100.4, 101.65, "1.65"}, {100.5, 101.0, "1.00"},
        {101.5, 102.25, "0.25"}, {86399.7, 1.2, "-86398.80"}}) {
    params.clock = [times = std::vector{start, end}, next = size_t{0}]() mutable { return times.at(next++); };
    EXPECT_EQ(Save(loaded), "Finished!;Info;");
    EXPECT_EQ(testing::Shown(prompter.messages()[0]),
              "Finished!|Data has been saved succesfully!\r\nTime needed:" + shown + " sec|010!");
  }
  const std::string info = testing::Shown(prompter.last());
  EXPECT_TRUE(info.starts_with("Info|Free Space in bytes:\r\nBank1:") && info.ends_with("|010!"));
  EXPECT_EQ(std::count(progress.captions.begin(), progress.captions.end(), "Writing Tabel into Rom..."), 1);
  EXPECT_EQ(std::tuple(progress.captions.back(), progress.steps.back().second), std::tuple("", 6054));
  EXPECT_EQ(ReadWholeFile(loaded), Demo().second);
}

}  // namespace
}  // namespace orvane
