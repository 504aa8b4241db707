#pragma once
// "Save in Rom": writes the whole document into a ROM file. The output is built in memory from
// the file's old bytes (or, for a new name, a copy of the loaded ROM or of one the user picks) and
// replaces the file in one atomic step once every writer has finished: a save that stops writes
// nothing at all.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "check/read_back.h"
#include "common/file_chooser.h"
#include "common/program_title.h"
#include "common/progress_sink.h"
#include "common/prompter.h"
#include "document.h"
#include "document_change.h"
#include "image_kind.h"
#include "writer/write_context.h"

namespace orvane {

struct SaveParams {
  uint64_t seed = 0;              // seed of the automatic optimizer; 0 takes one from the clock
  std::function<double()> clock;  // seconds on a clock that only runs forward; empty uses SteadySeconds
  bool fixChecksum = false;       // write the cartridge checksum once the texts are in
  bool keepBackup = false;        // a file the save replaces is kept once as NAME.bak beside it
  bool confirmReplace = false;    // ask before replacing an existing file other than the loaded ROM
  std::optional<ImageKind> writtenKind;  // write the file with or without the copier header, whatever it had
  std::string RomPfadGeladen;     // the loaded ROM: copied when saving under a new name; empty asks for one
  bool foreignAccepted = false;   // the loaded ROM was opened although it did not look like the game's
  int16_t OhneOptimierWarnung = 1;  // 0: ask before saving an unsettled dictionary
  std::string programName = kProgramName;  // the title of the save's own messages
  std::string readBackListed = "see \"Problems\"";  // where the texts that did not read back are listed
};

// What a completed save leaves for its caller.
struct SavedRom {
  std::string path;                    // the file written
  std::vector<ReadBackRow> readBack;   // texts the written image does not give back as typed
  bool checksumFixed = false;          // with fixChecksum: false when the image has no cartridge header
  std::vector<OverflowNote> leftOut;   // entries that did not fit and were dropped or cut
  bool writtenInPlace = false;         // the folder could not be written, so the file was overwritten
};

enum class SaveOutcome {
  Finished,   // everything written, read back and both reports shown
  Cancelled,  // the warning, the file dialog, the kind question or the foreign image question: nothing touched
  Stopped,    // Cancel, a space message, an unknown character, the optimizer, a failed copy, no ROM to start
              // a new file from or an error ended it; the file is as it was (a new one was not created),
              // and the last message says so
};

// `saved` is filled when the save finishes. The dictionary the save optimizes on its own reaches the
// document through `changes`. With no ROM loaded, a new file asks `chooser` a second time, for the ROM
// to start from.
SaveOutcome SaveInRom(Document& doc, const SaveParams& params, Prompter& prompter, ProgressSink& progress,
                      FileChooser& chooser, ChangeSink& changes, SavedRom* saved = nullptr);

// Seconds with their fraction on the steady clock, which no change of the time of day moves.
double SteadySeconds();

}  // namespace orvane
