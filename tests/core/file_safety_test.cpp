// Replacing, copying and deleting files never loses one: whatever stops a write (a kill, a full
// disk, missing permission), the target holds either its old bytes or the complete new ones, and
// the failure comes back as its error number.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <filesystem>

#include "common/file_copy.h"
#include "common/file_helpers.h"
#include "common/run_error.h"
#include "support/child_process.h"
#include "support/rom_fixture.h"
#include "support/scripted_prompter.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using namespace orvane::testing;

// Writes `size` bytes into `path` in a child; "ok" or the error number it threw.
std::string WriteInChild(const std::string& path, size_t size, const ChildOptions& options) {
  return RunInChild(
             [&] {
               try {
                 WriteFileAtomically(path, std::string(size, 'n'));
                 return std::string("ok");
               } catch (const RunError& e) {
                 return std::to_string(e.number());
               }
             },
             options)
      .report;
}

class FileSafety : public ::testing::Test {
 protected:
  FileSafety() { fs::permissions(dir.path(), fs::perms::all); }
  TempFolder dir;
};

TEST_F(FileSafety, KillAtAnyMomentLeavesTheOldOrTheCompleteNewFile) {
  const std::string target = dir.file("game.smc"), oldBytes(1 << 20, 'o');
  const auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(WriteInChild(target, (1 << 20) + 4099, {}), "ok");
  const long full =
      std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count();
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, fs::perms(0644));  // a new file's
  for (int i = 0; i <= 16; ++i) {
    WriteFileAtomically(target, oldBytes);
    ChildOptions kill;
    kill.killAfterMicros = full * i / 16;
    WriteInChild(target, (1 << 20) + 4099, kill);
    const std::string now = ReadFileText(target);
    ASSERT_TRUE(now == oldBytes || now == std::string((1 << 20) + 4099, 'n'))
        << "half-written after a kill at " << kill.killAfterMicros << " us";
    for (const auto& entry :
         fs::directory_iterator(dir.path()))  // a kill before the rename may leave the temporary file
      if (entry.path() != target) fs::remove(entry.path());
  }
}

// A refused write leaves the old file and no temporary file; a link gets the new bytes in the file
// it names and stays a link, the file keeping its permissions.
TEST_F(FileSafety, RefusedWriteKeepsTheOldFileAndSaysWhyALinkIsFollowed) {
  ChildOptions plainUser, fullDisk;
  plainUser.unprivileged = true;
  fullDisk.fileSizeLimit = 64 * 1024;
  for (const char* folder : {"locked", "folder.smc", "roms"}) fs::create_directory(dir.file(folder));
  for (const char* name : {"read-only.smc", "locked/game.smc", "full.smc", "roms/game.smc"})
    WriteFileAtomically(dir.file(name), std::string("old"));
  for (const auto& [name, mode] :
       {std::pair{"read-only.smc", 0444}, {"locked/game.smc", 0666}, {"locked", 0555}, {"roms/game.smc", 0640}})
    ::chmod(dir.file(name).c_str(), mode);
  fs::create_symlink("roms/game.smc", dir.file("link.smc"));
  for (const auto& [name, options, result] : {std::tuple{"read-only.smc", plainUser, "70"},
                                              {"locked/game.smc", plainUser, "70"},
                                              {"full.smc", fullDisk, "61"},
                                              {"folder.smc", ChildOptions{}, "75"},
                                              {"missing/game.smc", ChildOptions{}, "76"},
                                              {"link.smc", ChildOptions{}, "ok"}}) {
    EXPECT_EQ(WriteInChild(dir.file(name), 1 << 20, options), result) << name;
    EXPECT_EQ(fs::is_regular_file(dir.file(name)) ? ReadFileText(dir.file(name)).substr(0, 3) : "old",
              result == std::string("ok") ? "nnn" : "old")
        << name;
  }
  ::chmod(dir.file("locked").c_str(), 0755);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 6);
  EXPECT_TRUE(fs::is_symlink(dir.file("link.smc")) &&
              ReadFileText(dir.file("roms/game.smc")) == std::string(1 << 20, 'n'));
  EXPECT_EQ(fs::status(dir.file("roms/game.smc")).permissions() & fs::perms::all, fs::perms(0640));
}

TEST_F(FileSafety, CopyReplacesAReadOnlyTargetAndCreatesFoldersOrSaysItFailed) {
  WriteFileAtomically(dir.file("source.smc"), std::string("new"));
  fs::create_directory(dir.file("locked"));
  for (const char* name : {"old.smc", "locked/old.smc"}) WriteFileAtomically(dir.file(name), std::string("old"));
  for (const char* name : {"old.smc", "locked/old.smc", "locked"}) ::chmod(dir.file(name).c_str(), 0555);
  ScriptedPrompter prompter;
  EXPECT_TRUE(KopiereDatei(dir.file("source.smc"), dir.file("old.smc"), prompter, "Title"));
  EXPECT_TRUE(KopiereDatei(dir.file("source.smc"), dir.file("a/b/c.smc"), prompter, "Title"));
  EXPECT_EQ(ReadFileText(dir.file("old.smc")) + ReadFileText(dir.file("a/b/c.smc")), "newnew");
  fs::create_directory(dir.file("folder.smc"));  // a folder in the target's place stays
  EXPECT_FALSE(KopiereDatei(dir.file("source.smc"), dir.file("folder.smc"), prompter, "Title") ||
               !fs::is_directory(dir.file("folder.smc")));
  prompter = ScriptedPrompter();
  EXPECT_FALSE(KopiereDatei(dir.file("missing.smc"), dir.file("target.smc"), prompter, "Title"));
  EXPECT_EQ(prompter.shown(),
            Shown(MakeMessage("Title", "Couldn't copy file \"" + dir.file("missing.smc") + "\"")) + "\n");
  // A target in a folder that may not be changed stays as it was, but without its read-only flag.
  [[maybe_unused]] const int owned =
      ::chown(dir.file("locked/old.smc").c_str(), 65534, 65534);  // the child's user under root
  ChildOptions plainUser;
  plainUser.unprivileged = true;
  const auto copy = [&] {
    return std::to_string(KopiereDatei(dir.file("source.smc"), dir.file("locked/old.smc"), prompter, "Title"));
  };
  EXPECT_EQ(RunInChild(copy, plainUser).report, "0");
  EXPECT_EQ(ReadFileText(dir.file("locked/old.smc")), "old");
  EXPECT_EQ(fs::status(dir.file("locked/old.smc")).permissions() & fs::perms::owner_write, fs::perms::owner_write);
  EXPECT_TRUE(LoescheDatei(dir.file("old.smc"), true, true));
  EXPECT_FALSE(LoescheDatei(dir.file("old.smc"), true, true));
  ::chmod(dir.file("locked").c_str(), 0755);
}

}  // namespace
}  // namespace orvane
