#pragma once
// "Load Rom" after the file has been chosen: header check, table file, decode table, and every
// text of the document decoded from the ROM, which is read once into memory.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/prompter.h"
#include "document.h"
#include "workspace.h"
#include "rom/rom_image.h"

namespace orvane {

struct RomLoadParams {
  RomChoice choice;             // the file and how it was written
  std::string programFolder;    // first place searched for the table file
  std::string tablePath;        // explicit table file (the CLI's --table); empty = search
  // Runs once the header has passed and the texts and table are emptied, before the table file
  // is looked for: the window clears its panes and enables the ROM commands here, so a later
  // stop (no table file, a bad table line) leaves them usable, and an earlier one does not.
  std::function<void()> headerAccepted = nullptr;
};

enum class LoadOutcome { Loaded, SizeRejected, HeaderRejected, NotTheGame, TableMissing, Failed };

// RomLaden. The file's size tells its kind (plain or headed, see image_kind.h); a plain image is held
// with an empty header in front, so everything after this step sees one address model. Messages
// go through `prompter`: "Bad Rom!!!" for a size that fits neither kind or a headed file whose
// copier header is not clean, the question of game_check.h for an image that does not look like
// the game's, answered No (in each case nothing but the workspace's paths and flags changed), "Sorry!"
// when no table file is found (texts and table emptied), "Error" with the error number for anything
// else (what was done stays done).
// An explicit table path that does not exist is such an error (53 "File not found").
// A loaded ROM leaves the workspace without unsaved changes.
LoadOutcome RomLaden(Document& doc, Workspace& workspace, const RomLoadParams& params, Prompter& prompter);

// True when the copier header in front of a headed file is clean (bytes 38..118 zero), as every
// copier writes it; anything else there is no header but part of some other file.
bool HasCopierHeader(const std::vector<uint8_t>& headedFile);

// Builds column 1 (built-in texts, dictionary, escapes) and decodes every text and name list
// from an image in memory. Column 2 must already hold the table file.
void DecodeRomImage(Document& doc, const RomImage& rom, int16_t ladeOption);

}  // namespace orvane
