// "Save in Rom" as a whole, on the demo document and real files: every question and its answers,
// the copy to a new name, the automatic optimizer, the reports, and what the file holds after a
// finished, stopped or failed save.
#include "writer/save_procedure.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>

#include "common/file_helpers.h"
#include "demo/demo_rom.h"
#include "rom/layout.h"
#include "rom/rom_image.h"
#include "support/rom_fixture.h"
#include "support/scripted_prompter.h"

namespace orvane {
namespace {

using testing::FixedFileChooser;
using testing::RecordingProgress;
using testing::ScriptedPrompter;
using testing::TempFolder;
using Bytes = std::vector<uint8_t>;

// Position of the 0x00 that ends the string starting at `position`.
int32_t TerminatorFrom(const RomImage& rom, int32_t position) {
  while (rom.LeseByte(position) != 0) ++position;
  return position;
}

bool SameRange(const Bytes& a, const Bytes& b, int32_t first, int32_t last) {
  return std::equal(a.begin() + first, a.begin() + last + 1, b.begin() + first);
}

void ZeroRange(Bytes& rom, int32_t first, int32_t last) { std::fill(rom.begin() + first, rom.begin() + last + 1, 0); }

// The free-space report as read back from a written image, independently of the writers.
std::string ReportFromImage(const Bytes& bytes) {
  const RomImage rom(bytes);
  std::string text = "Free Space in bytes:";
  for (int b = 1; b <= kBankCount; ++b) {
    const BankPlace& bank = kBankPlaces[b - 1];
    const int32_t last = TerminatorFrom(rom, rom.LeseZeiger(bank.pointerTable + 2 * (bank.textCount - 1)));
    text += "\r\nBank" + std::to_string(b) + ":" + std::to_string(bank.dataEnd - last);
  }
  const int32_t titles = TerminatorFrom(rom, rom.LeseZeiger(kTitelZeigerTabelle + 2 * 26)) + 1;
  const int32_t locations = TerminatorFrom(rom, rom.LeseZeiger(kStadtZeigerEnde)) + 1;
  int32_t lastInfo = 0;
  for (int i = 0; i < kItemInfoCount; ++i) lastInfo = std::max(lastInfo, rom.LeseZeiger(kItemInfoPointers + 2 * i));
  text += "\r\n\r\nTitles: " + std::to_string(kTitelDatenEnde - titles);
  text += "\r\nLocations: " + std::to_string(kStadtDatenEnde - locations);
  text += "\r\nIteminfo: " + std::to_string(kItemInfoDataLast - TerminatorFrom(rom, lastInfo));
  return text;
}

std::vector<std::string> Titles(const ScriptedPrompter& prompter) {
  std::vector<std::string> titles;
  for (const Message& m : prompter.messages()) titles.push_back(m.title);
  return titles;
}

// A clock that tells the given times one after the other.
std::function<double()> Clock(std::vector<double> times) {
  return [times = std::move(times), next = size_t{0}]() mutable { return times.at(next++); };
}

bool Contains(const std::vector<std::string>& list, const std::string& text) {
  return std::find(list.begin(), list.end(), text) != list.end();
}

class SaveInRomTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    demoDoc_ = std::make_unique<Document>();
    demo::MakeDemoDocument(*demoDoc_);
    demoRom_ = std::make_unique<Bytes>(demo::WriteDemoRom(*demoDoc_));
  }
  static void TearDownTestSuite() {
    demoDoc_.reset();
    demoRom_.reset();
  }

  void SetUp() override {
    doc_ = std::make_unique<Document>(*demoDoc_);
    loaded_ = folder_.file("loaded.smc");
    WriteFileAtomically(loaded_, *demoRom_);
    doc_->RomPfadGeladen = loaded_;
    doc_->TabelleGeaendert = true;
    doc_->Geaendert = true;
  }

  SaveOutcome Save(const std::optional<std::string>& target, RecordingProgress* progress = nullptr) {
    FixedFileChooser chooser(target);
    const SaveOutcome outcome = SaveInRom(*doc_, params_, prompter_, progress ? *progress : progress_, chooser);
    requests_ = chooser.requests;
    return outcome;
  }

  const Bytes& demoRom() const { return *demoRom_; }

  TempFolder folder_;
  std::string loaded_;
  std::unique_ptr<Document> doc_;
  SaveParams params_;
  ScriptedPrompter prompter_;
  RecordingProgress progress_;
  std::vector<FileRequest> requests_;

 private:
  static std::unique_ptr<Document> demoDoc_;
  static std::unique_ptr<Bytes> demoRom_;
};

std::unique_ptr<Document> SaveInRomTest::demoDoc_;
std::unique_ptr<Bytes> SaveInRomTest::demoRom_;

TEST_F(SaveInRomTest, WarningOnlyForAnUnsettledDictionaryWhenTheSettingAsksForIt) {
  doc_->OhneOptimierWarnung = 0;
  doc_->TabelleGeaendert = false;
  prompter_.queue(Answer::Cancel);
  EXPECT_EQ(Save(folder_.file("out.smc")), SaveOutcome::Cancelled);
  ASSERT_EQ(prompter_.messages().size(), 1u);
  const Message& warning = prompter_.last();
  EXPECT_EQ(warning.title, "Warning!!!");
  EXPECT_EQ(warning.text, "The compression should be optimized to avoid errors. Continue anyway?");
  EXPECT_EQ(warning.buttons, Buttons::OkCancel);
  EXPECT_EQ(warning.icon, Icon::None);
  EXPECT_TRUE(requests_.empty());
  EXPECT_TRUE(progress_.captions.empty());
  EXPECT_TRUE(doc_->Geaendert);

  // A settled dictionary, or the default setting, goes straight to the dialog.
  for (const auto& [setting, settled] : {std::pair<int16_t, bool>{0, true}, {1, false}}) {
    ScriptedPrompter prompter;
    prompter_ = prompter;
    doc_->OhneOptimierWarnung = setting;
    doc_->TabelleGeaendert = settled;
    EXPECT_EQ(Save(std::nullopt), SaveOutcome::Cancelled);
    EXPECT_TRUE(prompter_.empty());
    EXPECT_EQ(requests_.size(), 1u);
  }
}

TEST_F(SaveInRomTest, ClosedDialogEndsWithoutMessageOrFile) {
  EXPECT_EQ(Save(std::nullopt), SaveOutcome::Cancelled);
  ASSERT_EQ(requests_.size(), 1u);
  EXPECT_EQ(requests_[0].title, "In Rom Speichern...");
  EXPECT_EQ(requests_[0].filter, "SNES-Roms|*.smc;*.fig");
  EXPECT_EQ(requests_[0].fileName, "");
  EXPECT_TRUE(requests_[0].save);
  EXPECT_FALSE(requests_[0].confirmOverwrite);
  EXPECT_TRUE(prompter_.empty());
  EXPECT_EQ(progress_.captions, std::vector<std::string>{""});
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 1);
  EXPECT_TRUE(doc_->Geaendert);
}

TEST_F(SaveInRomTest, NewNameGetsACopyWithTheNewTextsAndTheLoadedRomStaysUntouched) {
  doc_->Texte[1][1].Aktuell = "Kael";
  doc_->SpeicherNamen[1] = "{A0}b";
  const std::string target = folder_.file("made/for/you/copy.smc");
  EXPECT_EQ(Save(target), SaveOutcome::Finished);
  EXPECT_EQ(Titles(prompter_), (std::vector<std::string>{"Finished!", "Info"}));
  EXPECT_EQ(ReadWholeFile(loaded_), demoRom());
  EXPECT_FALSE(doc_->Geaendert);

  const Bytes out = ReadWholeFile(target);
  ASSERT_EQ(out.size(), demoRom().size());
  EXPECT_EQ(out[0x370200], 0x90);
  EXPECT_EQ(out[0x370201], 0x03);
  EXPECT_EQ(out[0x370590], 0x13);
  EXPECT_EQ(out[0x370591], 0x00);
  EXPECT_EQ(Bytes(out.begin() + kTitelDatenStart, out.begin() + kTitelDatenStart + 3), (Bytes{0xA0, 0xBB, 0x00}));
  // Everything else is the loaded ROM's.
  EXPECT_TRUE(SameRange(out, demoRom(), 0, 0x370200 - 1));
  EXPECT_TRUE(SameRange(out, demoRom(), kBankPlaces[0].dataEnd + 1, kTitelZeigerTabelle - 1));
  EXPECT_TRUE(SameRange(out, demoRom(), kTitelDatenEnde, kFullImageSize - 1));
}

TEST_F(SaveInRomTest, SavingIntoTheLoadedRomWritesInPlace) {
  EXPECT_EQ(Save(loaded_), SaveOutcome::Finished);
  EXPECT_EQ(ReadWholeFile(loaded_), demoRom());  // an unchanged document writes the same bytes

  doc_->Texte[21][1].Aktuell = "{A6}{C8}";  // escapes, so no dictionary pair can stand in
  EXPECT_EQ(Save(loaded_), SaveOutcome::Finished);
  const Bytes out = ReadWholeFile(loaded_);
  const int32_t first = kBankPlaces[20].dataStart;
  EXPECT_EQ(Bytes(out.begin() + first, out.begin() + first + 2), (Bytes{0xA6, 0xC8}));
  EXPECT_TRUE(SameRange(out, demoRom(), 0, kBankPlaces[20].pointerTable - 1));
  EXPECT_EQ(Titles(prompter_), (std::vector<std::string>{"Finished!", "Info", "Finished!", "Info"}));
}

TEST_F(SaveInRomTest, FailedCopyIsReportedAndTheNewFileHoldsOnlyWhatWasWritten) {
  doc_->RomPfadGeladen = folder_.file("gone.smc");
  const std::string target = folder_.file("fresh.smc");
  EXPECT_EQ(Save(target), SaveOutcome::Finished);
  ASSERT_EQ(Titles(prompter_), (std::vector<std::string>{"Orvane Texteditor", "Finished!", "Info"}));
  const Message& copy = prompter_.messages()[0];
  EXPECT_EQ(copy.text, "Couldn't copy file \"" + folder_.file("gone.smc") + "\"");
  EXPECT_EQ(copy.buttons, Buttons::Ok);
  EXPECT_EQ(copy.icon, Icon::None);

  const Bytes out = ReadWholeFile(target);
  EXPECT_LT(out.size(), demoRom().size());  // ends after the highest byte written
  EXPECT_TRUE(std::all_of(out.begin(), out.begin() + 0x10000, [](uint8_t b) { return b == 0; }));
  EXPECT_TRUE(SameRange(out, demoRom(), kBankPlaces[0].pointerTable, kBankPlaces[0].dataEnd));
  EXPECT_TRUE(SameRange(out, demoRom(), kDictionaryPointers, kDictionaryDataEnd));
}

TEST_F(SaveInRomTest, AutomaticOptimizerRunsUntilTheDictionaryIsSettled) {
  doc_->TabelleGeaendert = false;
  doc_->OhneOptimierWarnung = 0;
  for (int code = kDictionaryFirst; code <= kDictionaryLast; ++code)
    doc_->Tabelle[1][code] =
        "{"
        "}";
  prompter_.queue(Answer::Ok);  // the warning
  const std::string target = folder_.file("optimized.smc");
  EXPECT_EQ(Save(target), SaveOutcome::Finished);
  EXPECT_EQ(Titles(prompter_), (std::vector<std::string>{"Warning!!!", "Finished!", "Info"}));
  EXPECT_TRUE(Contains(progress_.captions, "Searching best compression..."));
  EXPECT_TRUE(doc_->TabelleGeaendert);
  for (int code = kDictionaryFirst; code <= kDictionaryLast; ++code) {
    EXPECT_EQ(doc_->Kodiertabelle[code], doc_->Tabelle[1][code]);
    EXPECT_NE(doc_->Tabelle[1][code], "{}");
  }

  // The second save keeps the dictionary it settled and asks nothing first.
  RecordingProgress second;
  doc_->Geaendert = true;
  EXPECT_EQ(Save(target, &second), SaveOutcome::Finished);
  EXPECT_FALSE(Contains(second.captions, "Searching best compression..."));
  EXPECT_EQ(prompter_.messages().size(), 5u);
}

TEST_F(SaveInRomTest, StopDuringTheOptimizerWritesNothing) {
  doc_->TabelleGeaendert = false;
  Bytes old = demoRom();
  old[0x370590] ^= 0xFF;
  const std::string existing = folder_.file("existing.smc");
  WriteFileAtomically(existing, old);
  RecordingProgress stopping(3);
  EXPECT_EQ(Save(existing, &stopping), SaveOutcome::Stopped);
  EXPECT_EQ(ReadWholeFile(existing), old);
  EXPECT_TRUE(prompter_.empty());
  EXPECT_EQ(stopping.captions.back(), "");
  EXPECT_TRUE(doc_->Geaendert);
  EXPECT_FALSE(doc_->TabelleGeaendert);

  // A new name keeps the fresh copy of the loaded ROM.
  RecordingProgress stoppingAgain(3);
  const std::string fresh = folder_.file("fresh.smc");
  EXPECT_EQ(Save(fresh, &stoppingAgain), SaveOutcome::Stopped);
  EXPECT_EQ(ReadWholeFile(fresh), demoRom());

  // Without a loaded ROM to copy, no file comes into being at all.
  doc_->RomPfadGeladen.clear();
  RecordingProgress stoppingOnceMore(3);
  EXPECT_EQ(Save(folder_.file("never.smc"), &stoppingOnceMore), SaveOutcome::Stopped);
  EXPECT_FALSE(std::filesystem::exists(folder_.file("never.smc")));
}

TEST_F(SaveInRomTest, FinishedAndInfoReportTheTimeAndTheFreeSpace) {
  params_.clock = Clock({100.4, 101.65});
  EXPECT_EQ(Save(loaded_), SaveOutcome::Finished);
  ASSERT_EQ(prompter_.messages().size(), 2u);
  const Message& finished = prompter_.messages()[0];
  EXPECT_EQ(finished.title, "Finished!");
  EXPECT_EQ(finished.text, "Data has been saved succesfully!\r\nTime needed:1.65 sec");
  EXPECT_EQ(finished.icon, Icon::Information);
  EXPECT_EQ(finished.buttons, Buttons::Ok);
  EXPECT_TRUE(finished.systemModal);
  const Message& info = prompter_.messages()[1];
  EXPECT_EQ(info.title, "Info");
  EXPECT_EQ(info.text, ReportFromImage(demoRom()));
  EXPECT_EQ(info.icon, Icon::Information);
  EXPECT_TRUE(info.systemModal);

  EXPECT_TRUE(Contains(progress_.captions, "Writing Tabel into Rom..."));
  EXPECT_EQ(progress_.captions.back(), "");
  ASSERT_FALSE(progress_.steps.empty());
  EXPECT_EQ(progress_.steps.back().second, 6054);
}

TEST_F(SaveInRomTest, ElapsedTimeStartsFromTheWholeSecondAndMayBeNegative) {
  // The start is rounded to a whole second, halves to even; a save across midnight goes negative.
  for (const auto& [start, end, shown] : {std::tuple<double, double, std::string>{100.5, 101.0, "1.00"},
                                          {101.5, 102.25, "0.25"},
                                          {86399.7, 1.2, "-86398.80"}}) {
    params_.clock = Clock({start, end});
    ScriptedPrompter prompter;
    prompter_ = prompter;
    EXPECT_EQ(Save(loaded_), SaveOutcome::Finished);
    EXPECT_EQ(prompter_.messages()[0].text, "Data has been saved succesfully!\r\nTime needed:" + shown + " sec");
  }
}

TEST_F(SaveInRomTest, CancelWhileWritingKeepsWhatWasWrittenBefore) {
  doc_->Texte[1][1].Aktuell = "Kael";
  doc_->Texte[13][1].Aktuell = "Kael";
  RecordingProgress stopping(20);
  EXPECT_EQ(Save(loaded_, &stopping), SaveOutcome::Stopped);
  const Bytes out = ReadWholeFile(loaded_);
  EXPECT_EQ(out[0x370590], 0x13);
  EXPECT_TRUE(SameRange(out, demoRom(), kBankPlaces[12].pointerTable, kBankPlaces[12].dataEnd));
  EXPECT_TRUE(prompter_.empty());
  EXPECT_TRUE(doc_->Geaendert);
  EXPECT_EQ(stopping.captions.back(), "");
}

TEST_F(SaveInRomTest, BankWithoutRoomIsGivenUpWithOkAndStopsTheSaveWithCancel) {
  for (int t = 1; t <= kBankPlaces[20].textCount; ++t) doc_->Texte[21][t].Aktuell = "Zuri, hold the rope tight!";
  prompter_.queue(Answer::Ok);
  EXPECT_EQ(Save(loaded_), SaveOutcome::Finished);
  ASSERT_EQ(Titles(prompter_), (std::vector<std::string>{"Error!", "Finished!", "Info"}));
  EXPECT_NE(prompter_.messages()[2].text.find("\r\nBank21:0\r\n"), std::string::npos);

  ScriptedPrompter cancelling({Answer::Cancel});
  prompter_ = cancelling;
  doc_->Geaendert = true;
  EXPECT_EQ(Save(loaded_), SaveOutcome::Stopped);
  EXPECT_EQ(Titles(prompter_), std::vector<std::string>{"Error!"});
  EXPECT_TRUE(doc_->Geaendert);
}

TEST_F(SaveInRomTest, RunTimeErrorAsksWhetherToGoOn) {
  // Bank 2 holds a brace group that is no number; the dictionary and bank 1 come before it.
  doc_->Texte[2][5].Aktuell = "Go {ZZ} now";
  Bytes blank = demoRom();
  ZeroRange(blank, kDictionaryPointers, kDictionaryDataEnd);
  ZeroRange(blank, kBankPlaces[0].pointerTable, kBankPlaces[0].dataEnd);
  ZeroRange(blank, kBankPlaces[2].pointerTable, kBankPlaces[2].dataEnd);
  WriteFileAtomically(loaded_, blank);

  prompter_.queue(Answer::No);
  EXPECT_EQ(Save(loaded_), SaveOutcome::Stopped);
  ASSERT_EQ(prompter_.messages().size(), 1u);
  const Message& error = prompter_.last();
  EXPECT_EQ(error.title, "Error Nr. 13");
  EXPECT_EQ(error.text, "Type mismatch\r\nContinue program?");
  EXPECT_EQ(error.buttons, Buttons::YesNo);
  EXPECT_EQ(error.icon, Icon::None);
  EXPECT_TRUE(doc_->Geaendert);
  const Bytes out = ReadWholeFile(loaded_);
  EXPECT_TRUE(SameRange(out, demoRom(), kDictionaryPointers, kDictionaryDataEnd));
  EXPECT_TRUE(SameRange(out, demoRom(), kBankPlaces[0].pointerTable, kBankPlaces[0].dataEnd));
  EXPECT_TRUE(SameRange(out, blank, kBankPlaces[2].pointerTable, kBankPlaces[2].dataEnd));

  ScriptedPrompter continuing({Answer::Yes});
  prompter_ = continuing;
  EXPECT_EQ(Save(loaded_), SaveOutcome::Finished);
  EXPECT_EQ(Titles(prompter_), (std::vector<std::string>{"Error Nr. 13", "Finished!", "Info"}));
  EXPECT_FALSE(doc_->Geaendert);
  EXPECT_TRUE(SameRange(ReadWholeFile(loaded_), demoRom(), kBankPlaces[2].pointerTable, kBankPlaces[2].dataEnd));
}

TEST_F(SaveInRomTest, TargetsThatCannotBeWrittenTakeTheErrorPathAndStayAsTheyWere) {
  struct Case {
    std::string target;
    std::string title;
    std::string description;
  };
  const std::string readOnly = folder_.file("readonly.smc");
  WriteFileAtomically(readOnly, Bytes{1, 2, 3});
  ::chmod(readOnly.c_str(), 0444);
  std::filesystem::create_directory(folder_.file("taken.smc"));
  doc_->RomPfadGeladen.clear();  // no copy: the file is opened as it is
  for (const Case& c : {Case{readOnly, "Error Nr. 70", "Permission denied"},
                        Case{folder_.file("missing/out.smc"), "Error Nr. 76", "Path not found"},
                        Case{folder_.file("taken.smc"), "Error Nr. 75", "Path/File access error"}}) {
    SCOPED_TRACE(c.target);
    ScriptedPrompter stopping({Answer::No});
    prompter_ = stopping;
    EXPECT_EQ(Save(c.target), SaveOutcome::Stopped);
    ASSERT_EQ(prompter_.messages().size(), 1u);
    EXPECT_EQ(prompter_.last().title, c.title);
    EXPECT_EQ(prompter_.last().text, c.description + "\r\nContinue program?");

    // Going on still cannot write the file: the commit asks again, no success is reported and
    // the texts stay unsaved.
    ScriptedPrompter continuing({Answer::Yes, Answer::Yes});
    prompter_ = continuing;
    EXPECT_EQ(Save(c.target), SaveOutcome::Stopped);
    EXPECT_EQ(Titles(prompter_), (std::vector<std::string>{c.title, c.title}));
    EXPECT_TRUE(doc_->Geaendert);
  }
  EXPECT_EQ(ReadWholeFile(readOnly), (Bytes{1, 2, 3}));
  EXPECT_FALSE(std::filesystem::exists(folder_.file("missing")));
  EXPECT_TRUE(std::filesystem::is_empty(folder_.file("taken.smc")));
}

TEST_F(SaveInRomTest, EntriesThatDidNotFitAreListedAfterTheReport) {
  for (int i = 1; i <= kItemInfoCount; ++i)
    doc_->ItemInfos[i] = "Description number " + std::to_string(i) + " is far too long to share.";
  EXPECT_EQ(Save(loaded_), SaveOutcome::Finished);
  ASSERT_EQ(prompter_.messages().size(), 3u);
  EXPECT_EQ(prompter_.messages()[1].title, "Info");
  const Message& overflow = prompter_.last();
  EXPECT_EQ(overflow.title, "Not everything fitted!");
  EXPECT_EQ(overflow.icon, Icon::Exclamation);
  EXPECT_EQ(overflow.text.rfind("These entries did not fit into their areas and were not written:\r\n", 0), 0u);
}

}  // namespace
}  // namespace orvane
