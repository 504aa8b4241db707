// Replacing, copying and deleting files never loses one: whatever stops a write (a kill, a full
// disk, missing permission), the target holds either its old bytes or the complete new ones, and
// the failure comes back as its error number.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "common/file_helpers.h"
#include "common/run_error.h"
#include "support/rom_fixture.h"
#include "support/scripted_prompter.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using namespace orvane::testing;

// Runs `body` in a forked child that fails the way real machines fail: as "nobody" without root's power
// over file modes, with a file size limit (writes beyond fail as on a full disk), or killed `killAfter`
// microseconds after the start. The child's exit code is what the body returned, -1 when it was killed.
struct Child { bool unprivileged = false; long fileSizeLimit = -1, killAfter = -1; };
int RunInChild(const std::function<int()>& body, const Child& how = {}) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (how.unprivileged && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(254);
    const rlimit limit{static_cast<rlim_t>(how.fileSizeLimit), static_cast<rlim_t>(how.fileSizeLimit)};
    // Without ignoring SIGXFSZ the kernel ends the process instead of failing the write.
    if (how.fileSizeLimit >= 0 && (::signal(SIGXFSZ, SIG_IGN) == SIG_ERR || ::setrlimit(RLIMIT_FSIZE, &limit)))
      ::_exit(253);
    ::_exit(body());  // runs no destructors of the parent's state
  }
  if (how.killAfter >= 0) std::this_thread::sleep_for(std::chrono::microseconds(how.killAfter)), ::kill(pid, SIGKILL);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) continue;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Writes `size` bytes into `path` in a child: 0, or the error number it threw.
int WriteInChild(const std::string& path, size_t size, const Child& how = {}) {
  return RunInChild([&] {
    try { WriteFileAtomically(path, std::string(size, 'n')); } catch (const RunError& e) { return e.number(); }
    return 0;
  }, how);
}

class FileSafety : public ::testing::Test {
 protected:
  FileSafety() { fs::permissions(dir.path(), fs::perms::all); }
  TempFolder dir;
};

TEST_F(FileSafety, KillAtAnyMomentLeavesTheOldOrTheCompleteNewFile) {
  const std::string target = dir.file("game.smc"), oldBytes(1 << 20, 'o'), newBytes((1 << 20) + 4099, 'n');
  const auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(WriteInChild(target, newBytes.size()), 0);
  const long full =
      std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count();
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, fs::perms(0644));  // a new file's
  for (int i = 0; i <= 16; ++i) {
    WriteFileAtomically(target, oldBytes);
    WriteInChild(target, newBytes.size(), {.killAfter = full * i / 16});
    const std::string now = ReadFileText(target);
    ASSERT_TRUE(now == oldBytes || now == newBytes) << "half-written after a kill at " << full * i / 16 << " us";
    for (const auto& entry : fs::directory_iterator(dir.path()))  // a kill before the rename may leave the temporary
      if (entry.path() != target) fs::remove(entry.path());
  }
}

// A refused write leaves the old file and no temporary file; a link gets the new bytes in the file
// it names and stays a link, the file keeping its permissions.
TEST_F(FileSafety, RefusedWriteKeepsTheOldFileAndSaysWhyALinkIsFollowed) {
  for (const char* folder : {"locked", "folder.smc", "roms"}) fs::create_directory(dir.file(folder));
  for (const char* name : {"read-only.smc", "locked/game.smc", "full.smc", "roms/game.smc"})
    WriteFileAtomically(dir.file(name), std::string("old"));
  for (const auto& [name, mode] :
       {std::pair{"read-only.smc", 0444}, {"locked/game.smc", 0666}, {"locked", 0555}, {"roms/game.smc", 0640}})
    ::chmod(dir.file(name).c_str(), mode);
  fs::create_symlink("roms/game.smc", dir.file("link.smc"));
  ::mkfifo(dir.file("fifo.smc").c_str(), 0666);
  const Child plainUser{.unprivileged = true}, fullDisk{.fileSizeLimit = 64 * 1024};
  for (const auto& [name, how, result] :
       {std::tuple{"read-only.smc", plainUser, 70}, {"locked/game.smc", plainUser, 70}, {"full.smc", fullDisk, 61},
        {"folder.smc", Child{}, 75}, {"missing/game.smc", Child{}, 76}, {"link.smc", Child{}, 0}, {"fifo.smc", Child{}, 75}}) {
    EXPECT_EQ(WriteInChild(dir.file(name), 1 << 20, how), result) << name;
    EXPECT_EQ(fs::is_regular_file(dir.file(name)) ? ReadFileText(dir.file(name)).substr(0, 3) : "old",
              result ? "old" : "nnn") << name;
  }
  ::chmod(dir.file("locked").c_str(), 0755);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 7);
  EXPECT_TRUE(fs::is_fifo(dir.file("fifo.smc")));
  EXPECT_TRUE(fs::is_symlink(dir.file("link.smc")) &&
              ReadFileText(dir.file("roms/game.smc")) == std::string(1 << 20, 'n'));
  EXPECT_EQ(fs::status(dir.file("roms/game.smc")).permissions() & fs::perms::all, fs::perms(0640));
}

}  // namespace
}  // namespace orvane
