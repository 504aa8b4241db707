#include "common/file_copy.h"

#include <filesystem>

#include "common/file_helpers.h"
#include "common/run_error.h"

namespace orvane {

namespace fs = std::filesystem;

bool LoescheDatei(const std::string& path, bool clearReadOnly, bool /*clearHidden*/) {
  std::error_code ec;
  if (clearReadOnly) {
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, ec);
  }
  return fs::remove(path, ec) && !ec;
}

bool KopiereDatei(const std::string& source, const std::string& target, Prompter& prompter,
                  const std::string& applicationTitle) {
  // Failures of the first two steps only show in the outcome of the copy itself.
  std::error_code ec;
  if (fs::exists(fs::symlink_status(target, ec)) && !fs::is_directory(target, ec)) {
    LoescheDatei(target, true, true);
  }
  const std::string folder = ElternOrdner(target);
  if (!folder.empty()) fs::create_directories(folder, ec);

  bool copied = false;
  try {
    WriteFileAtomically(target, ReadWholeFile(source));
    copied = true;
  } catch (const RunError&) {
    copied = false;
  }
  if (!copied) {
    prompter.ask(MakeMessage(applicationTitle, "Couldn't copy file \"" + source + "\""));
  }
  return copied;
}

}  // namespace orvane
