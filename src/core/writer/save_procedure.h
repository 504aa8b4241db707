#pragma once
// "Save in Rom": writes the whole document into a ROM file. The output is built in memory from
// the file's old bytes (or a fresh copy of the loaded ROM) and replaces the file in one atomic
// step, so the file holds either its old bytes or exactly what the writers put into it.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "check/read_back.h"
#include "common/file_chooser.h"
#include "common/progress_sink.h"
#include "common/prompter.h"
#include "document.h"

namespace orvane {

struct SaveParams {
  uint64_t seed = 0;              // seed of the automatic optimizer; 0 takes one from the clock
  std::function<double()> clock;  // seconds since midnight; empty uses the system clock
  bool fixChecksum = false;       // write the cartridge checksum once the texts are in
  bool keepBackup = false;        // a file the save replaces is kept once as NAME.bak beside it
  bool confirmReplace = false;    // ask before replacing an existing file other than the loaded ROM
};

// What a completed save leaves for its caller.
struct SavedRom {
  std::string path;                    // the file written
  std::vector<ReadBackRow> readBack;   // texts the written image does not give back as typed
  bool checksumFixed = false;          // with fixChecksum: false when the image has no cartridge header
};

enum class SaveOutcome {
  Finished,   // everything written, both reports shown
  Cancelled,  // the warning answered Cancel or the file dialog closed: nothing touched
  Stopped,    // Cancel, a space message, an unknown character, the optimizer or an error ended it
};

// `saved` is filled when the save finishes.
SaveOutcome SaveInRom(Document& doc, const SaveParams& params, Prompter& prompter, ProgressSink& progress,
                      FileChooser& chooser, SavedRom* saved = nullptr);

// The save's progress total: one unit per dialogue text plus 1337 for the name tables.
int32_t SaveProgressTotal(const Document& doc);

// The local time of day in seconds, with its fraction.
double SecondsSinceMidnight();

}  // namespace orvane
