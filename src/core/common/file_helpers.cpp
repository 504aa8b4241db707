#include "common/file_helpers.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <new>
#include <string_view>

#include "common/run_error.h"

namespace orvane {

namespace fs = std::filesystem;

bool FileExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_regular_file(path, ec);
}

std::string ParentFolder(const std::string& path) {
  if (path.size() < 2) return {};
  for (size_t i = path.size() - 1; i-- > 0;) {
    if (path[i] == '/' || path[i] == '\\') return path.substr(0, i + 1);
  }
  return {};
}

namespace {

std::string MiB(uint64_t bytes) { return std::to_string(bytes >> 20) + " MiB"; }

// What was being done to which file, with the system's reason when there is one:
// "Couldn't open "x.smc" for reading: No such file or directory".
std::string Couldnt(std::string_view doing, const std::string& path, std::string_view how = {}, int error = 0) {
  std::string text = "Couldn't " + std::string(doing) + " \"" + path + "\"";
  if (!how.empty()) text += " " + std::string(how);
  if (error != 0) text += std::string(": ") + std::strerror(error);
  return text;
}

// Opens without waiting for a writer, so a FIFO is seen for what it is instead of blocking.
class ReadableFile {
 public:
  explicit ReadableFile(const std::string& path) : path_(path) {
    if (path.empty()) throw MakeRunError(errors::kFileNotFound).At(Opening());
    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
      const int e = errno;
      throw MakeRunError(e == ENOENT || e == ENOTDIR ? errors::kFileNotFound : errors::kPathAccess).At(Opening(e));
    }
    struct stat st{};
    if (::fstat(fd_, &st) != 0) throw Closing(MakeRunError(errors::kPathAccess).At(Opening(errno)));
    if (S_ISDIR(st.st_mode)) throw Closing(MakeRunError(errors::kPathAccess).At(Opening(EISDIR)));
    if (!S_ISREG(st.st_mode)) throw Closing(MakeRunError(errors::kPathAccess, "not a regular file").At(Opening()));
    size_ = static_cast<uint64_t>(st.st_size);
  }
  ~ReadableFile() { if (fd_ >= 0) ::close(fd_); }
  ReadableFile(const ReadableFile&) = delete;
  ReadableFile& operator=(const ReadableFile&) = delete;

  uint64_t size() const { return size_; }

  // Up to `count` bytes from the start; fewer only when the file is shorter.
  std::vector<uint8_t> read(uint64_t count) {
    std::vector<uint8_t> bytes(static_cast<size_t>(count));
    size_t got = 0;
    while (got < bytes.size()) {
      const ssize_t n = ::read(fd_, bytes.data() + got, bytes.size() - got);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) throw MakeRunError(errors::kDeviceIo).At(Couldnt("read", path_, {}, errno));
      if (n == 0) break;
      got += static_cast<size_t>(n);
    }
    bytes.resize(got);
    return bytes;
  }

 private:
  std::string Opening(int error = 0) const { return Couldnt("open", path_, "for reading", error); }

  RunError Closing(RunError error) {
    ::close(fd_);
    fd_ = -1;
    return error;
  }

  std::string path_;
  int fd_ = -1;
  uint64_t size_ = 0;
};

RunError TooLarge(const std::string& path, uint64_t limit) {
  return MakeRunError(errors::kPathAccess, "larger than " + MiB(limit)).At(Couldnt("read", path));
}

}  // namespace

std::vector<uint8_t> ReadOpenFile(int fd) {
  struct stat st{};
  if (::fstat(fd, &st) != 0) throw MakeRunError(errors::kDeviceIo);
  std::vector<uint8_t> bytes(static_cast<size_t>(st.st_size));
  for (size_t got = 0; got < bytes.size();) {
    const ssize_t n = ::pread(fd, bytes.data() + got, bytes.size() - got, static_cast<off_t>(got));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw MakeRunError(errors::kDeviceIo);
    got += static_cast<size_t>(n);
  }
  return bytes;
}

void CheckRegularFile(const std::string& path, uint64_t limit) {
  struct stat st{};
  if (path.empty() || ::stat(path.c_str(), &st) != 0) return;
  if (S_ISDIR(st.st_mode)) throw MakeRunError(errors::kPathAccess).At(Couldnt("use", path, {}, EISDIR));
  if (!S_ISREG(st.st_mode)) throw MakeRunError(errors::kPathAccess, "not a regular file").At(Couldnt("use", path));
  if (static_cast<uint64_t>(st.st_size) > limit) throw TooLarge(path, limit);
}

std::vector<uint8_t> ReadWholeFile(const std::string& path, uint64_t limit) {
  ReadableFile file(path);
  if (file.size() > limit) throw TooLarge(path, limit);
  try {
    return file.read(file.size());
  } catch (const std::bad_alloc&) {
    throw MakeRunError(errors::kOutOfMemory).At(Couldnt("read", path));
  }
}

std::vector<uint8_t> ReadFileStart(const std::string& path, size_t count) {
  ReadableFile file(path);
  return file.read(std::min<uint64_t>(count, file.size()));
}

namespace {

int ErrnoToNumber(int e) {
  switch (e) {
    case ENOENT: case ENOTDIR: return errors::kPathNotFound;
    case EACCES: case EPERM: case EROFS: return errors::kPermissionDenied;
    case ENOSPC: case EDQUOT: case EFBIG: return errors::kDiskFull;
    case EISDIR: return errors::kPathAccess;
    default: return errors::kPathAccess;
  }
}

// A failed system call's error number with what was being done to which file.
RunError SystemError(int error, std::string_view doing, const std::string& path, std::string_view how = {}) {
  return MakeRunError(ErrnoToNumber(error)).At(Couldnt(doing, path, how, error));
}

void WriteAll(int fd, const std::string& path, const uint8_t* data, size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw SystemError(errno, "write", path);
    }
    data += n;
    size -= static_cast<size_t>(n);
  }
}

// A link is followed: the file it names gets the new bytes and the link stays a link. Replacing
// the link itself would leave the file that the link names, and every program reading it, as it was.
std::string FollowLinks(const std::string& path) {
  std::error_code ec;
  fs::path p(path);
  for (int depth = 0; depth < 40 && fs::is_symlink(fs::symlink_status(p, ec)); ++depth) {
    const fs::path to = fs::read_symlink(p, ec);
    if (ec) break;
    p = to.is_absolute() ? to : p.parent_path() / to;
  }
  return p.string();
}

}  // namespace

namespace {

// The temporary file's name is this, six random characters and the ending, short whatever the
// target's name.
constexpr std::string_view kTemporaryPrefix = ".orvane-";
constexpr std::string_view kTemporaryEnding = ".tmp";
constexpr auto kStaleAfter = std::chrono::hours(24);

bool IsTemporaryName(const std::string& name) {
  if (name.size() != kTemporaryPrefix.size() + 6 + kTemporaryEnding.size()) return false;
  if (!name.starts_with(kTemporaryPrefix) || !name.ends_with(kTemporaryEnding)) return false;
  return std::all_of(name.begin() + kTemporaryPrefix.size(), name.end() - kTemporaryEnding.size(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

// A temporary file is stale when its writer is gone (its lock is free) and it is older than any
// write takes: a killed write's leftover. A live one of another process stays.
void RemoveStaleTemporaries(const fs::path& folder) {
  std::error_code ec;
  const auto now = fs::file_time_type::clock::now();
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
    if (!IsTemporaryName(entry.path().filename().string())) continue;
    const fs::file_time_type written = entry.last_write_time(ec);
    if (ec || now - written < kStaleAfter || !entry.is_regular_file(ec)) continue;
    const int fd = ::open(entry.path().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) ::unlink(entry.path().c_str());
    ::close(fd);
  }
}

// The new file takes the old one's owner first (which may clear set-id bits), then its mode.
void TakeIdentity(int fd, const std::string& path) {
  struct stat st{};
  if (::stat(path.c_str(), &st) != 0) {
    ::fchmod(fd, 0644);
    return;
  }
  // Where the owner may not be given away, the group still may.
  [[maybe_unused]] const bool owned =
      ::fchown(fd, st.st_uid, st.st_gid) == 0 || ::fchown(fd, static_cast<uid_t>(-1), st.st_gid) == 0;
  ::fchmod(fd, st.st_mode & 07777);
}

// The complete bytes over the file's old ones, for a file that may be written but not replaced.
void WriteInPlace(const std::string& path, const std::vector<uint8_t>& bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) throw SystemError(errno, "open", path, "for writing");
  try {
    WriteAll(fd, path, bytes.data(), bytes.size());
    if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0 || ::fsync(fd) != 0)
      throw SystemError(errno, "write", path);
  } catch (...) {
    ::close(fd);
    throw;
  }
  if (::close(fd) != 0) throw SystemError(errno, "write", path);
}

fs::path FolderOf(const std::string& path) {
  const fs::path target(path);
  return target.has_parent_path() ? target.parent_path() : fs::path(".");
}

// Makes the renames durable, so a power cut cannot bring an old file back. The new files are
// complete either way, so a folder that cannot be synced is no error.
void SyncFolder(const fs::path& folder) {
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
}

}  // namespace

FileReplacement::~FileReplacement() {
  for (const Pending& file : pending_) {
    if (file.temporary.empty()) continue;
    ::unlink(file.temporary.c_str());
    ::close(file.fd);
  }
}

void FileReplacement::Prepare(const std::string& requested, const std::vector<uint8_t>& bytes) {
  std::error_code ec;
  Pending file{FollowLinks(requested), "", -1, {}};
  if (file.target.empty()) throw MakeRunError(errors::kPathNotFound).At(Couldnt("write", requested));
  CheckRegularFile(file.target, UINT64_MAX);
  // An existing file that may not be written stays as it is.
  const bool exists = fs::exists(file.target, ec);
  if (exists && ::access(file.target.c_str(), W_OK) != 0) throw SystemError(errno, "open", file.target, "for writing");

  const fs::path folder = FolderOf(file.target);
  RemoveStaleTemporaries(folder);
  std::string name = (folder / (std::string(kTemporaryPrefix) + "XXXXXX" + std::string(kTemporaryEnding))).string();
  const int fd = ::mkostemps(name.data(), static_cast<int>(kTemporaryEnding.size()), O_CLOEXEC);
  if (fd < 0 && exists && (errno == EACCES || errno == EPERM)) {
    file.inPlaceBytes = bytes;
    pending_.push_back(std::move(file));
    return;
  }
  if (fd < 0) throw SystemError(errno, "create a file in", folder.string(), "to write \"" + file.target + "\"");
  // Locked before a byte is written: a write in another process sees a live file, not a stale one.
  ::flock(fd, LOCK_EX);
  file.temporary = name;
  file.fd = fd;
  pending_.push_back(file);  // from here the destructor removes it
  WriteAll(fd, file.target, bytes.data(), bytes.size());
  if (::fsync(fd) != 0) throw SystemError(errno, "write", file.target);
  TakeIdentity(fd, file.target);
}

std::vector<FileWrite> FileReplacement::Commit() {
  std::vector<FileWrite> written;
  std::vector<fs::path> folders;
  for (Pending& file : pending_) {
    if (file.temporary.empty()) {
      WriteInPlace(file.target, file.inPlaceBytes);
      written.push_back(FileWrite::InPlace);
      continue;
    }
    if (::rename(file.temporary.c_str(), file.target.c_str()) != 0) {
      const int e = errno;
      if ((e != EACCES && e != EPERM) || ::access(file.target.c_str(), W_OK) != 0) throw SystemError(e, "replace", file.target);
      WriteInPlace(file.target, ReadOpenFile(file.fd));
      written.push_back(FileWrite::InPlace);
      continue;
    }
    file.temporary.clear();
    ::close(file.fd);  // and with it the lock
    written.push_back(FileWrite::Replaced);
    folders.push_back(FolderOf(file.target));
  }
  for (const fs::path& folder : folders) SyncFolder(folder);
  return written;
}

FileWrite WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes) {
  FileReplacement file;
  file.Prepare(path, bytes);
  return file.Commit().front();
}

FileWrite WriteFileAtomically(const std::string& path, const std::string& bytes) {
  return WriteFileAtomically(path, std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat sa{}, sb{};
  if (::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0) return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
  std::error_code ea, eb;
  const fs::path pa = fs::weakly_canonical(fs::absolute(a, ea), ea), pb = fs::weakly_canonical(fs::absolute(b, eb), eb);
  return !ea && !eb && pa == pb;
}

std::string ProgramFolder() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return "./";
  std::string folder = exe.parent_path().string();
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace orvane
