#pragma once
// What surrounds the document while the editor works on it: the files it came from and goes to,
// and whether it holds changes no file has yet.

#include <cstdint>
#include <string>

#include "document_change.h"
#include "image_kind.h"

namespace orvane {

// The choice of the LoadFile window: the ROM and how it was written.
struct RomChoice {
  std::string path;
  int16_t LadeOption = 0;  // 0 normal, 1 "File has been edited with V 0.95"
};

struct Workspace {
  std::string projectPath;     // the project file last loaded or saved; empty before
  std::string RomPfad;         // the file "Load Rom" opened last, kept when its header is refused
  std::string RomPfadGeladen;  // the ROM the texts came from: copied when saving under a new name
  int16_t LadeOption = 0;      // how that ROM was written
  LoadedImage loadedImage;     // the kind of RomPfadGeladen's file, and whether it was opened though foreign
  bool Geaendert = false;      // changes neither a ROM nor a project file holds yet
};

// Applies each change and marks the workspace changed when the change says so.
class WorkspaceChanges : public ChangeSink {
 public:
  WorkspaceChanges(Document& doc, Workspace& workspace) : doc_(doc), workspace_(workspace) {}
  void Commit(DocumentChange change) override;

 private:
  Document& doc_;
  Workspace& workspace_;
};

}  // namespace orvane
