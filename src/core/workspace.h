#pragma once
// What surrounds the document while the editor works on it: the files it came from and goes to,
// and whether it holds changes no file has yet.

#include <cstdint>
#include <string>

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
  bool Geaendert = false;      // changes the project file does not hold yet
};

// Where file dialogs open: the folder of the open project, else of the loaded ROM; empty when
// neither is known.
std::string WorkFolder(const Workspace& workspace);

// The project's file name as the window's title shows it: "Untitled" before its first save.
std::string ProjectFileName(const Workspace& workspace);

}  // namespace orvane
