#pragma once
// A document and an output image ready for the writers, as a save has them after a ROM load:
// column 1 of the table holds the built-in codes and escapes for the rest (the dictionary codes
// included), Kodiertabelle is its copy and MaxEintragLaenge is computed. The prompter answers
// from a script; the progress sink records everything.

#include <cstdint>
#include <string>
#include <vector>

#include "document.h"
#include "rom/rom_image.h"
#include "support/scripted_prompter.h"
#include "writer/write_context.h"

namespace orvane::testing {

class WriteHarness {
 public:
  // `stopAfter`: the progress call from which on the sink reports Cancel (0 never).
  explicit WriteHarness(long stopAfter = 0, uint8_t fill = 0x00);

  // Sets a table text of column 1 and refreshes Kodiertabelle and MaxEintragLaenge.
  void SetCode(int code, const std::string& text);
  // Every dictionary entry 0x21..0x9F set to the empty string.
  void ClearDictionary();

  // The bytes [from, from + count) of the image.
  std::vector<uint8_t> Slice(int32_t from, int32_t count) const;

  Document doc;
  RomImage image;
  ScriptedPrompter prompter;
  RecordingProgress progress;
  WriteContext ctx{doc, image, prompter, progress};

 private:
  void Refresh();
};

}  // namespace orvane::testing
