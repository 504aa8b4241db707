#pragma once
// "Create Patch…": a patch from the loaded ROM to the ROM "Save in Rom" wrote last, with the
// command's questions and messages.

#include <string>

#include "common/file_chooser.h"
#include "common/prompter.h"

namespace orvane {

enum class PatchOutcome {
  Written,
  NoPair,     // no ROM loaded or none saved yet, or the save went into the loaded ROM itself: said so
  Cancelled,  // the file dialog or the header question was cancelled
  Failed,     // the patch was refused or could not be written: said so
};

// `loadedRom` is the ROM the texts came from (RomPfadGeladen), `savedRom` the file the last save wrote.
PatchOutcome CreatePatch(const std::string& loadedRom, const std::string& savedRom, Prompter& prompter,
                         FileChooser& chooser);

}  // namespace orvane
