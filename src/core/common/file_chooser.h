#pragma once
// The common open/save dialog as the core asks for it.

#include <optional>
#include <string>
#include <utility>

namespace orvane {

struct FileRequest {
  std::string title;     // "In Rom Speichern...", "Projekt laden..."
  std::string filter;    // "SNES-Roms|*.smc;*.fig": a description, a bar, the patterns
  std::string fileName;  // proposed name (empty in this program)
  bool save = false;     // save dialog rather than open dialog
  // Ask before an existing file is chosen for saving. The ROM save writes into the chosen file in place,
  // so it asks nothing.
  bool confirmOverwrite = true;
  std::string folder{};  // where the dialog opens; empty: the current folder
};

class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // The chosen path, or nothing when the user cancelled.
  virtual std::optional<std::string> choose(const FileRequest& request) = 0;
};

// A chooser that answers every request with the one file already chosen (a command line, a dropped file).
class GivenFile : public FileChooser {
 public:
  explicit GivenFile(std::string path) : path_(std::move(path)) {}
  std::optional<std::string> choose(const FileRequest&) override { return path_; }

 private:
  std::string path_;
};

}  // namespace orvane
