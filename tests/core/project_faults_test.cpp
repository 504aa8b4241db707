// Project files when things go wrong: a save killed at any moment or refused by the file system
// keeps the old project, and a project cut off at any section boundary, or inside any header line,
// ends with its message and never crashes.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "common/file_helpers.h"
#include "document.h"
#include "project/project_file.h"
#include "support/child_process.h"
#include "support/rom_fixture.h"
#include "support/scripted_prompter.h"

namespace orvane {
namespace {

using testing::ChildOptions;
using testing::RecordingProgress;
using testing::RunInChild;
using testing::ScriptedPrompter;
using testing::TempFolder;
using Bytes = std::vector<uint8_t>;

const char* const kHeaders[] = {"[Orvane Texteditor V 1.00]", "[TABELS]", "[TEXTBLOCKS]", "[SAVETITLES]",
                                "[LOCATIONS]", "[ITEMS]", "[ITEMINFO]", "[ENEMYS]", "[MAGIC]"};

class ProjectFaultsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::permissions(folder_.path(), std::filesystem::perms::all);
    for (int b = 1; b <= kBankCount; ++b)
      for (int t = 1; t <= doc_.BankInfo[b].TextCount; ++t)
        doc_.Texte[b][t] = {"Text " + std::to_string(b) + "/" + std::to_string(t) + "[L_]more", "Original"};
    for (int c = 1; c < kCodes; ++c) doc_.Tabelle[1][c] = "c" + std::to_string(c);
    for (auto& item : doc_.Items) item = {"Potion", 33};
    for (auto& name : doc_.GegnerNamen) name = "Slime";
  }

  // Saves (or loads) and returns the outcome's number, then each message as "title|text".
  static std::string Report(ProjectOutcome outcome, const ScriptedPrompter& prompter) {
    std::string report = std::to_string(static_cast<int>(outcome));
    for (const Message& m : prompter.messages()) report += "\n" + m.title + "|" + m.text;
    return report;
  }
  std::string Save(const std::string& path, std::deque<Answer> answers = {}) {
    ScriptedPrompter prompter(std::move(answers));
    RecordingProgress progress;
    return Report(SaveProjectFile(doc_, path, prompter, progress), prompter);
  }
  std::string SaveInChild(const std::string& path, const ChildOptions& options) {
    return RunInChild([&] { return Save(path, {Answer::No}); }, options).report;
  }

  Bytes SavedBytes() {
    const std::string path = folder_.file("complete.ovp");
    Save(path);
    return ReadWholeFile(path);
  }

  TempFolder folder_;
  Document doc_;
};

const std::string kDone = std::to_string(static_cast<int>(ProjectOutcome::Done));
const std::string kStopped = std::to_string(static_cast<int>(ProjectOutcome::Stopped));

TEST_F(ProjectFaultsTest, KillWhileSavingLeavesTheOldOrTheCompleteProject) {
  const std::string path = folder_.file("work.ovp");
  const Bytes oldProject = {'o', 'l', 'd'};
  const Bytes complete = SavedBytes();

  const auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(SaveInChild(path, {}), kDone);
  const long full = static_cast<long>(
      std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count());

  for (int i = 0; i <= 16; ++i) {
    WriteFileAtomically(path, oldProject);
    ChildOptions kill;
    kill.killAfterMicros = full * i / 12;
    SaveInChild(path, kill);
    const Bytes now = ReadWholeFile(path);
    ASSERT_TRUE(now == oldProject || now == complete) << "half a project after a kill at " << kill.killAfterMicros;
  }
}

TEST_F(ProjectFaultsTest, RefusedSavesKeepTheOldProjectAndAskWithTheirNumber) {
  ChildOptions plainUser;
  plainUser.unprivileged = true;
  const Bytes oldProject = {'o', 'l', 'd'};

  const std::string readOnly = folder_.file("read-only.ovp");
  WriteFileAtomically(readOnly, oldProject);
  ::chmod(readOnly.c_str(), 0444);
  EXPECT_EQ(SaveInChild(readOnly, plainUser), kStopped + "\nError Nr. 70|Permission denied\r\nContinue program?");
  EXPECT_EQ(ReadWholeFile(readOnly), oldProject);

  const std::filesystem::path locked = folder_.file("locked");
  std::filesystem::create_directory(locked);
  const std::string inLocked = (locked / "work.ovp").string();
  WriteFileAtomically(inLocked, oldProject);
  ::chmod(inLocked.c_str(), 0666);
  ::chmod(locked.c_str(), 0555);
  EXPECT_EQ(SaveInChild(inLocked, plainUser), kStopped + "\nError Nr. 70|Permission denied\r\nContinue program?");
  EXPECT_EQ(ReadWholeFile(inLocked), oldProject);
  ::chmod(locked.c_str(), 0755);

  const std::string folderInItsPlace = folder_.file("folder.ovp");
  std::filesystem::create_directory(folderInItsPlace);
  EXPECT_EQ(Save(folderInItsPlace, {Answer::Yes}), kStopped + "\nError Nr. 75|Path/File access error\r\nContinue program?");
  EXPECT_TRUE(std::filesystem::is_directory(folderInItsPlace));

  const std::string full = folder_.file("full.ovp");
  WriteFileAtomically(full, oldProject);
  ChildOptions fullDisk;
  fullDisk.fileSizeLimit = 64 * 1024;
  EXPECT_EQ(SaveInChild(full, fullDisk), kStopped + "\nError Nr. 61|Disk full\r\nContinue program?");
  EXPECT_EQ(ReadWholeFile(full), oldProject);
}

// Where a cut file ends, relative to a header line.
enum class Cut { BeforeHeader, InsideHeader, AfterHeader };

TEST_F(ProjectFaultsTest, CutAtEverySectionBoundaryEndsWithItsMessage) {
  const Bytes bytes = SavedBytes();
  const std::string file(bytes.begin(), bytes.end());
  const std::string path = folder_.file("cut.ovp");
  const std::string question62 = "Error Nr. 62|Input past end of file\r\nContinue program?";
  const std::string corrupt = "Error!|Corrupt File detected!\r\nSorry, couldn't load Project File!";
  const std::string wrongVersion = "Error!|Wrong fileversion detected!";

  for (size_t h = 0; h < std::size(kHeaders); ++h) {
    const size_t at = h == 0 ? 0 : file.find(std::string("\r\n") + kHeaders[h] + "\r\n") + 2;
    ASSERT_NE(at, std::string::npos + 2) << kHeaders[h];
    const size_t headerLength = std::strlen(kHeaders[h]);
    for (const Cut cut : {Cut::BeforeHeader, Cut::InsideHeader, Cut::AfterHeader}) {
      const size_t length = cut == Cut::BeforeHeader   ? at
                            : cut == Cut::InsideHeader ? at + headerLength / 2
                                                       : at + headerLength + 2;
      SCOPED_TRACE(std::string(kHeaders[h]) + " cut at " + std::to_string(length));
      WriteFileAtomically(path, file.substr(0, length));
      const bool lastSection = h + 1 == std::size(kHeaders);
      // The two lines after the first header are read without a look, so cutting into "[TABELS]"
      // only shortens the table.
      const bool headerChecked = h != 1;

      for (const Answer answer : {Answer::No, Answer::Yes}) {
        Document doc;
        ScriptedPrompter prompter;
        for (int i = 0; i < 20000; ++i) prompter.queue(answer);
        RecordingProgress progress;
        const ProjectOutcome outcome = LoadProjectFile(doc, path, prompter, progress);
        std::vector<std::string> shown;
        for (const Message& m : prompter.messages()) shown.push_back(m.title + "|" + m.text);
        ASSERT_FALSE(shown.empty());

        if (cut == Cut::InsideHeader && headerChecked) {
          EXPECT_EQ(shown, std::vector<std::string>{h == 0 ? wrongVersion : corrupt});
        } else if (answer == Answer::No) {
          EXPECT_EQ(outcome, ProjectOutcome::Stopped);
          EXPECT_EQ(shown, std::vector<std::string>{question62});
        } else if (h == 0 && cut == Cut::BeforeHeader) {
          EXPECT_EQ(shown.back(), wrongVersion);  // the empty first line is not the header
        } else if (lastSection && cut == Cut::AfterHeader) {
          EXPECT_EQ(outcome, ProjectOutcome::Done);
          EXPECT_EQ(shown.back(), question62);
        } else {
          EXPECT_EQ(outcome, ProjectOutcome::Corrupt);
          EXPECT_EQ(shown.back(), corrupt);
        }
      }
    }
  }
}

}  // namespace
}  // namespace orvane
