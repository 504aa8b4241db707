#include "common/file_helpers.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "common/run_error.h"

namespace orvane {

namespace fs = std::filesystem;

bool DateiExistiert(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_regular_file(path, ec);
}

std::string ElternOrdner(const std::string& path) {
  if (path.size() < 2) return {};
  for (size_t i = path.size() - 1; i-- > 0;) {
    if (path[i] == '/' || path[i] == '\\') return path.substr(0, i + 1);
  }
  return {};
}

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
  std::error_code ec;
  if (path.empty() || !fs::exists(path, ec)) throw MakeRunError(errors::kFileNotFound);
  if (fs::is_directory(path, ec)) throw MakeRunError(errors::kPathAccess);
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) throw MakeRunError(errors::kPathAccess);
  // One read of the known size: a 4 MiB ROM comes in well under a millisecond.
  const std::streamoff size = in.tellg();
  if (size < 0 || !in.seekg(0)) throw MakeRunError(errors::kDeviceIo);
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  in.read(reinterpret_cast<char*>(bytes.data()), size);
  if (in.gcount() != size) throw MakeRunError(errors::kDeviceIo);
  return bytes;
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

void WriteAll(int fd, const uint8_t* data, size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw MakeRunError(ErrnoToNumber(errno));
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

void WriteFileAtomically(const std::string& requested, const std::vector<uint8_t>& bytes) {
  std::error_code ec;
  const std::string path = FollowLinks(requested);
  if (path.empty()) throw MakeRunError(errors::kPathNotFound);
  if (fs::is_directory(path, ec)) throw MakeRunError(errors::kPathAccess);
  // An existing file that may not be written stays as it is.
  if (fs::exists(path, ec) && ::access(path.c_str(), W_OK) != 0) throw MakeRunError(ErrnoToNumber(errno));

  const fs::path target(path);
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::string tmpl = (folder / ("." + target.filename().string() + ".tmp-XXXXXX")).string();
  int fd = ::mkstemp(tmpl.data());
  if (fd < 0) throw MakeRunError(ErrnoToNumber(errno));
  try {
    WriteAll(fd, bytes.data(), bytes.size());
    if (::fsync(fd) != 0) throw MakeRunError(ErrnoToNumber(errno));
    struct stat st{};
    const mode_t mode = ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
    ::fchmod(fd, mode);
    const int closed = ::close(fd);
    fd = -1;  // closed even when close reports an error
    if (closed != 0) throw MakeRunError(ErrnoToNumber(errno));
  } catch (...) {
    if (fd >= 0) ::close(fd);
    ::unlink(tmpl.c_str());
    throw;
  }
  if (::rename(tmpl.c_str(), path.c_str()) != 0) {
    const int e = errno;
    ::unlink(tmpl.c_str());
    throw MakeRunError(ErrnoToNumber(e));
  }
  // Make the rename itself durable, so a power cut cannot bring the old file back. The new file is
  // complete either way, so a folder that cannot be synced is no error.
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
}

void WriteFileAtomically(const std::string& path, const std::string& bytes) {
  WriteFileAtomically(path, std::vector<uint8_t>(bytes.begin(), bytes.end()));
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
