#pragma once
// What the writers share while a save runs: the document, the output image held in memory, the
// user's channels, the progress counter and the free space found per bank and area.

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/progress_sink.h"
#include "common/prompter.h"
#include "common/run_error.h"
#include "document.h"
#include "rom/rom_image.h"
#include "text_places.h"

namespace orvane {

// An entry a writer had to leave out or cut.
struct OverflowNote {
  std::string text;                // "Savetitle 27 did not fit"
  std::optional<TextPlace> place;  // the name it is about; nothing for a dictionary entry
  bool cut = false;                // its first characters were written; otherwise nothing of it
};

struct WriteContext {
  Document& doc;
  RomImage& image;           // the output image in memory; the save commits it atomically afterwards
  Prompter& prompter;
  ProgressSink& progress;    // progress(counter,total); keepGoing() = "yield and check"; caption(text)
  int32_t progressCounter = 0;
  int32_t progressTotal = 0; // sum of TextCount + 1337, set by the save
  std::array<int32_t, kBankSlots> FreierPlatz{};
  int32_t titlesFree = 0, locationsFree = 0, itemInfoFree = 0;
  std::vector<OverflowNote> overflows{};  // what did not fit, for a clear message at the end
  void NoteOverflow(std::string text, std::optional<TextPlace> place, bool cut);
  // "Error Nr. N" / description CR LF "Continue program?" Yes/No through the prompter; true = Yes (skip the failed unit).
  bool AskContinue(const RunError& error);

  // Dictionary codes whose entries did not fit into the dictionary area; the encoder never uses them.
  std::bitset<kCodes> droppedCodes{};
  // The window caption, passed on only when the text changes (so a save that sets captions of
  // its own between the writers should set them here too).
  void Caption(const std::string& text);
  // Progress counter + 1, then the bar.
  void ProgressStep();
  // Lets the user interface run; false once the user pressed Cancel.
  bool YieldAndCheck() { return progress.keepGoing(); }
  std::string lastCaption{};  // the caption last passed on
};

enum class WriteResult { Finished, Stopped };

// The save's progress total: one unit per dialogue text plus 1337 for the name tables.
int32_t SaveProgressTotal(const Document& doc);

// MaxEintragLaenge of columns 1 and 2: the length of the longest table text (at most 255).
void BerechneMaxLaengen(Document& doc);
// The dictionary area as SchreibeWoerterbuch fills it from `table`: each entry's bytes (its length
// byte first) in code order. An entry that would take the room the later entries' length bytes
// need is written empty, and its code is dropped: the encoder never uses it.
struct DictionaryLayout {
  std::vector<std::vector<uint8_t>> entries;  // codes 0x21..0x9F
  std::bitset<kCodes> dropped{};
  std::vector<std::string> notes{};  // "Dictionary entry {22} "..." did not fit"
  int32_t needed = 0;                // bytes of every entry as written, the dropped ones included
};
DictionaryLayout LayOutDictionary(const CodeTable& table);
// Dictionary pointers and entries (codes 0x21..0x9F) from Kodiertabelle.
WriteResult SchreibeWoerterbuch(WriteContext& ctx);
// Banks 1..21: encoded texts and their pointers, FreierPlatz per bank.
WriteResult SchreibeBanken(WriteContext& ctx);
// Titles, locations, items, enemies, techniques and the two description lists.
WriteResult SchreibeNamenstabellen(WriteContext& ctx);

}  // namespace orvane
