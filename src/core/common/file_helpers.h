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

// The whole file. Only a regular file is read: a device or a FIFO is refused at once instead of
// blocking or never ending. Throws RunError (53 file not found, 75 access error, not a regular file
// or larger than `limit`, 7 out of memory).
std::vector<uint8_t> ReadWholeFile(const std::string& path, uint64_t limit = kLargestImage);
// At most the first `count` bytes of the file, with the same checks but no size bound.
std::vector<uint8_t> ReadFileStart(const std::string& path, size_t count);

// Throws the refusal for a file that exists but is not a regular file, or is larger than `limit`.
void CheckRegularFile(const std::string& path, uint64_t limit = kLargestImage);

enum class FileWrite { Replaced, InPlace };

// Replaces `path` with exactly `bytes`: written to a temporary file in the same folder, flushed,
// then renamed over the target, so the target is either the old file or the complete new one. The
// new file keeps the old one's permission bits and, where the process may, its owner and group;
// temporary files a killed write left in the folder are removed first. When the folder may not be
// changed but the file may be written, the complete bytes are written over the file in place
// (InPlace). Only a regular file is replaced. Throws RunError (76 path not found, 70 permission
// denied, 61 disk full, 75 access error or not a regular file).
FileWrite WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes);
FileWrite WriteFileAtomically(const std::string& path, const std::string& bytes);

// True when both paths name one file: the same device and inode, or for a file not there yet the
// same path once links and "." and ".." are resolved.
bool SameFile(const std::string& a, const std::string& b);

// The folder that holds the running program (with a trailing separator).
std::string ProgramFolder();

}  // namespace orvane
