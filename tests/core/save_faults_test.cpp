// "Save in Rom" when the machine fails under it: killed at any moment, a full disk, a folder that may
// not be written, a copy source that cannot be read. The user's ROM file holds either its old bytes
// or the complete save, never a mixture, and every failure is asked about with its "Error Nr.".
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "common/file_helpers.h"
#include "demo/demo_rom.h"
#include "support/child_process.h"
#include "support/rom_fixture.h"
#include "support/scripted_prompter.h"
#include "writer/save_procedure.h"

namespace orvane {
namespace {

using testing::ChildOptions;
using testing::FixedFileChooser;
using testing::RunInChild;
using testing::ScriptedPrompter;
using testing::TempFolder;
using Bytes = std::vector<uint8_t>;

// The demo document and the ROM the writers make of it, built once for all tests.
struct DemoData {
  Document doc;
  Bytes rom;
};

const DemoData& Demo() {
  static const DemoData data = [] {
    DemoData d;
    demo::MakeDemoDocument(d.doc);
    d.rom = demo::WriteDemoRom(d.doc);
    return d;
  }();
  return data;
}

class SaveFaultsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::permissions(folder_.path(), std::filesystem::perms::all);
    loaded_ = folder_.file("loaded.smc");
    WriteFileAtomically(loaded_, Demo().rom);
    doc_ = std::make_unique<Document>(Demo().doc);
    doc_->RomPfadGeladen = loaded_;
    doc_->TabelleGeaendert = true;  // a settled dictionary: the save writes without optimizing
    doc_->Texte[1][1].Aktuell = "A text that was changed";
    doc_->StadtNamen[3] = "Newtown";
  }

  // Saves into `target` with the given answers; returns the outcome's number, then each message as
  // "title|text", one a line.
  std::string Save(const std::string& target, std::deque<Answer> answers = {}) {
    ScriptedPrompter prompter(std::move(answers));
    testing::RecordingProgress progress;
    FixedFileChooser chooser(target);
    SaveParams params;
    params.seed = 1;
    params.clock = [] { return 100.0; };
    std::string report = std::to_string(static_cast<int>(SaveInRom(*doc_, params, prompter, progress, chooser)));
    for (const Message& m : prompter.messages()) report += "\n" + m.title + "|" + m.text;
    return report;
  }

  std::string SaveInChild(const std::string& target, std::deque<Answer> answers, const ChildOptions& options) {
    return RunInChild([&] { return Save(target, answers); }, options).report;
  }

  // The bytes of a complete save into a file that held `start` (a new file when empty).
  Bytes CompleteSave(const Bytes& start) {
    const std::string scratch = folder_.file("scratch.smc");
    if (!start.empty()) WriteFileAtomically(scratch, start);
    const Document before = *doc_;
    Save(scratch);
    *doc_ = before;
    Bytes bytes = ReadWholeFile(scratch);
    std::filesystem::remove(scratch);
    return bytes;
  }

  // Files in the folder besides `keep`, hidden temporary files of an interrupted commit excluded.
  std::vector<std::string> VisibleFilesBesides(const std::vector<std::string>& keep) const {
    std::vector<std::string> others;
    for (const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
      const std::string name = entry.path().filename().string();
      if (name.starts_with(".")) continue;
      if (std::find(keep.begin(), keep.end(), entry.path().string()) == keep.end()) others.push_back(name);
    }
    return others;
  }

  void RemoveHiddenFiles() const {
    for (const auto& entry : std::filesystem::directory_iterator(folder_.path()))
      if (entry.path().filename().string().starts_with(".")) std::filesystem::remove(entry.path());
  }

  static long MicrosSince(std::chrono::steady_clock::time_point start) {
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count());
  }

  const Bytes& demoRom() const { return Demo().rom; }

  TempFolder folder_;
  std::string loaded_;
  std::unique_ptr<Document> doc_;
};

const std::string kFinished = std::to_string(static_cast<int>(SaveOutcome::Finished));
const std::string kStopped = std::to_string(static_cast<int>(SaveOutcome::Stopped));

TEST_F(SaveFaultsTest, KillAtAnyMomentLeavesTheRomOldOrCompletelySaved) {
  const Bytes saved = CompleteSave(demoRom());
  ASSERT_NE(saved, demoRom());

  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(SaveInChild(loaded_, {}, {}).starts_with(kFinished));
  const long full = MicrosSince(start);

  int killedBefore = 0, killedAfterCommit = 0;
  // Most of the time goes into building the image; the commit comes last, so the later moments
  // are packed more densely around it.
  for (const double share : {0.0, 0.2, 0.4, 0.6, 0.75, 0.85, 0.9, 0.95, 0.98, 1.0, 1.02, 1.05, 1.1, 1.3}) {
    WriteFileAtomically(loaded_, demoRom());
    ChildOptions kill;
    kill.killAfterMicros = static_cast<long>(full * share);
    SaveInChild(loaded_, {}, kill);
    const Bytes now = ReadWholeFile(loaded_);
    ASSERT_TRUE(now == demoRom() || now == saved) << "a mixture after a kill at " << share << " of the save";
    ++(now == saved ? killedAfterCommit : killedBefore);
    EXPECT_TRUE(VisibleFilesBesides({loaded_}).empty());
    RemoveHiddenFiles();
  }
  // Which of the two a kill leaves depends on timing; both are whole files.
  RecordProperty("killsThatKeptTheOldRom", killedBefore);
  RecordProperty("killsAfterTheCommit", killedAfterCommit);
}

TEST_F(SaveFaultsTest, KillWhileSavingUnderANewNameLeavesNothingTheCopyOrTheSave) {
  const std::string target = folder_.file("translated.smc");
  const Bytes saved = CompleteSave(demoRom());

  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(SaveInChild(target, {}, {}).starts_with(kFinished));
  const long full = MicrosSince(start);
  ASSERT_EQ(ReadWholeFile(target), saved);

  for (const double share : {0.0, 0.05, 0.1, 0.2, 0.5, 0.9, 0.97, 1.0, 1.05, 1.2}) {
    std::filesystem::remove(target);
    ChildOptions kill;
    kill.killAfterMicros = static_cast<long>(full * share);
    SaveInChild(target, {}, kill);
    if (std::filesystem::exists(target)) {
      const Bytes now = ReadWholeFile(target);
      ASSERT_TRUE(now == demoRom() || now == saved) << "a partial file after a kill at " << share;
    }
    EXPECT_EQ(ReadWholeFile(loaded_), demoRom());
    RemoveHiddenFiles();
  }
}

TEST_F(SaveFaultsTest, FullDiskAsksWithItsNumberAndKeepsTheOldRom) {
  ChildOptions fullDisk;
  fullDisk.fileSizeLimit = 1 << 20;  // the image is four times larger

  // Going on cannot help a file that was not replaced: no success is reported either way.
  for (const Answer answer : {Answer::No, Answer::Yes}) {
    EXPECT_EQ(SaveInChild(loaded_, {answer}, fullDisk), kStopped + "\nError Nr. 61|Disk full\r\nContinue program?");
    EXPECT_EQ(ReadWholeFile(loaded_), demoRom());
  }
  EXPECT_TRUE(VisibleFilesBesides({loaded_}).empty());
}

TEST_F(SaveFaultsTest, FolderWithoutWritePermissionKeepsTheRomAndAsks) {
  const std::filesystem::path locked = folder_.file("locked");
  std::filesystem::create_directory(locked);
  const std::string rom = (locked / "game.smc").string();
  WriteFileAtomically(rom, demoRom());
  ::chmod(rom.c_str(), 0666);
  ::chmod(locked.c_str(), 0555);
  ChildOptions plainUser;
  plainUser.unprivileged = true;

  // The file itself may be written, but a file can only be replaced as a whole where new files
  // may be made.
  EXPECT_EQ(SaveInChild(rom, {Answer::No}, plainUser),
            kStopped + "\nError Nr. 70|Permission denied\r\nContinue program?");
  EXPECT_EQ(ReadWholeFile(rom), demoRom());
  ::chmod(locked.c_str(), 0755);
}

TEST_F(SaveFaultsTest, CopySourceThatCannotBeReadIsReportedAndTheSaveGoesOn) {
  const std::string unreadable = folder_.file("unreadable.smc");
  WriteFileAtomically(unreadable, demoRom());
  ::chmod(unreadable.c_str(), 0000);
  const std::string folderAsSource = folder_.file("folder.smc");
  std::filesystem::create_directory(folderAsSource);
  ChildOptions plainUser;
  plainUser.unprivileged = true;
  doc_->RomPfadGeladen.clear();  // no copy: only the writers' bytes
  const Bytes fromNothing = CompleteSave({});

  for (const std::string& source : {unreadable, folderAsSource}) {
    SCOPED_TRACE(source);
    doc_->RomPfadGeladen = source;
    const std::string target = folder_.file("new.smc");
    const std::string report = SaveInChild(target, {}, plainUser);
    EXPECT_TRUE(report.starts_with(kFinished + "\nOrvane Texteditor|Couldn't copy file \"" + source +
                                   "\"\nFinished!|"))
        << report;
    // Without the copy the file holds only what the writers put into it.
    EXPECT_EQ(ReadWholeFile(target), fromNothing);
    std::filesystem::remove(target);
  }
}

}  // namespace
}  // namespace orvane
