// Copying the loaded ROM to a new name and deleting files, as the save into a new file uses them.
#include "common/file_copy.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "common/file_helpers.h"
#include "support/rom_fixture.h"
#include "support/scripted_prompter.h"

namespace orvane {
namespace {

using testing::ScriptedPrompter;
using testing::TempFolder;
using Bytes = std::vector<uint8_t>;

TEST(FileCopy, ReplacesAReadOnlyTargetAndCreatesMissingFolders) {
  TempFolder folder;
  const std::string source = folder.file("source.smc");
  WriteFileAtomically(source, Bytes{1, 2, 3, 4});
  const std::string old = folder.file("old.smc");
  WriteFileAtomically(old, Bytes{9});
  ::chmod(old.c_str(), 0444);

  ScriptedPrompter prompter;
  EXPECT_TRUE(KopiereDatei(source, old, prompter, "Orvane Texteditor"));
  EXPECT_TRUE(KopiereDatei(source, folder.file("a/b/c.smc"), prompter, "Orvane Texteditor"));
  EXPECT_TRUE(prompter.empty());
  EXPECT_EQ(ReadWholeFile(old), (Bytes{1, 2, 3, 4}));
  EXPECT_EQ(ReadWholeFile(folder.file("a/b/c.smc")), (Bytes{1, 2, 3, 4}));
  EXPECT_EQ(ReadWholeFile(source), (Bytes{1, 2, 3, 4}));
}

TEST(FileCopy, FailureIsToldUnderTheProgramsTitleAndLeavesNoFile) {
  TempFolder folder;
  ScriptedPrompter prompter;
  const std::string missing = folder.file("missing.smc");
  EXPECT_FALSE(KopiereDatei(missing, folder.file("target.smc"), prompter, "Orvane Texteditor"));
  ASSERT_EQ(prompter.messages().size(), 1u);  // the whole box is pinned by the save's copy case
  EXPECT_EQ(prompter.last().title, "Orvane Texteditor");
  EXPECT_FALSE(std::filesystem::exists(folder.file("target.smc")));
}

TEST(FileCopy, LoescheDateiClearsTheReadOnlyFlagWhenAsked) {
  TempFolder folder;
  const std::string file = folder.file("locked.smc");
  WriteFileAtomically(file, Bytes{1});
  ::chmod(file.c_str(), 0444);
  EXPECT_TRUE(LoescheDatei(file, true, true));
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_FALSE(LoescheDatei(folder.file("never.smc"), true, true));
}

}  // namespace
}  // namespace orvane
