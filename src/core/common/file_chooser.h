#pragma once
// The common open/save dialog as the core asks for it.

#include <optional>
#include <string>

namespace orvane {

struct FileRequest {
  std::string title;     // "In Rom Speichern...", "Projekt laden..."
  std::string filter;    // "SNES-Roms|*.smc;*.fig": a description, a bar, the patterns
  std::string fileName;  // proposed name (empty in this program)
  bool save = false;     // save dialog rather than open dialog
  // Ask before an existing file is chosen for saving. The ROM save writes into the chosen file in place,
  // so it asks nothing.
  bool confirmOverwrite = true;
};

class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // The chosen path, or nothing when the user cancelled.
  virtual std::optional<std::string> choose(const FileRequest& request) = 0;
};

}  // namespace orvane
