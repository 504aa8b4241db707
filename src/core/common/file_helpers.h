#pragma once
// File access of the core: whole-file reads, atomic replacement, and the small path helpers.

#include <cstdint>
#include <string>
#include <vector>

namespace orvane {

bool FileExists(const std::string& path);

// The path up to and including its last separator ("/" or "\"), searching backwards from the
// second-last character; empty when there is none.
std::string ParentFolder(const std::string& path);

// The largest files read whole: a cartridge image with its header is at most a few MiB, a project of
// the game's texts about one. Anything larger is refused before a byte of it is read.
inline constexpr uint64_t kLargestImage = uint64_t{64} << 20;
inline constexpr uint64_t kLargestProject = uint64_t{16} << 20;
// A progress file or a PO file of the whole game is well under 1 MiB.
inline constexpr uint64_t kLargestCompanion = uint64_t{4} << 20;
inline constexpr uint64_t kLargestPo = uint64_t{16} << 20;

// The whole file. Only a regular file is read: a device or a FIFO is refused at once instead of
// blocking or never ending. Throws RunError (53 file not found, 75 access error, not a regular file
// or larger than `limit`, 7 out of memory).
std::vector<uint8_t> ReadWholeFile(const std::string& path, uint64_t limit = kLargestImage);
// At most the first `count` bytes of the file, with the same checks but no size bound.
std::vector<uint8_t> ReadFileStart(const std::string& path, size_t count);

// Everything an open file holds, read from its start whatever its offset. Throws RunError 57.
std::vector<uint8_t> ReadOpenFile(int fd);

// Throws the refusal for a file that exists but is not a regular file, or is larger than `limit`.
void CheckRegularFile(const std::string& path, uint64_t limit = kLargestImage);

enum class FileWrite { Replaced, InPlace };

// Replaces `path` with exactly `bytes`: written to a temporary file in the same folder, flushed,
// then renamed over the target, so the target is either the old file or the complete new one. The
// new file keeps the old one's permission bits and, where the process may, its owner and group.
// A temporary file is locked while it is written and until its rename; one that a killed write left
// behind is removed by a later write in its folder once nobody holds its lock and it is more than a
// day old. When the folder may not be changed (or the file may not be renamed over, as another
// user's file in a sticky folder) but the file may be written, the complete bytes are written over
// the file in place (InPlace). Only a regular file is replaced. Throws RunError (76 path not found,
// 70 permission denied, 61 disk full, 75 access error or not a regular file).
FileWrite WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes);
FileWrite WriteFileAtomically(const std::string& path, const std::string& bytes);

// Files that belong together (a project and its progress file) replaced as one: every file is
// prepared, its temporary file complete and flushed, before the first is renamed over its target.
// A failure while preparing leaves every target as it was; what was not committed is removed.
class FileReplacement {
 public:
  FileReplacement() = default;
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // Throws RunError as WriteFileAtomically does.
  void Prepare(const std::string& path, const std::vector<uint8_t>& bytes);
  // The files in the order they were prepared; throws RunError when a rename fails.
  std::vector<FileWrite> Commit();

 private:
  struct Pending {
    std::string target;                 // links followed
    std::string temporary;              // empty: written in place at the commit
    int fd = -1;                        // the temporary file, locked until its rename
    std::vector<uint8_t> inPlaceBytes;  // kept only for a folder that may not be changed
  };
  std::vector<Pending> pending_;
};

// True when both paths name one file: the same device and inode, or for a file not there yet the
// same path once links and "." and ".." are resolved.
bool SameFile(const std::string& a, const std::string& b);

// The folder that holds the running program (with a trailing separator).
std::string ProgramFolder();

}  // namespace orvane
