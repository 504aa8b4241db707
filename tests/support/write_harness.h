#pragma once
// A document and an output image ready for the writers, as a save has them after a ROM load: column 1
// holds the built-in codes and escapes for every other code (the dictionary codes included),
// Kodiertabelle is its copy and MaxEintragLaenge is computed. The prompter answers from a script and
// the sink records.

#include <string>

#include "layout.h"
#include "rom/code_table.h"
#include "support/rom_fixture.h"
#include "support/scripted_prompter.h"
#include "writer/write_context.h"

namespace orvane::testing {

struct WriteHarness {
  // `stopAfter`: the progress call from which on the sink reports Cancel (0 never).
  explicit WriteHarness(long stopAfter = 0, uint8_t fill = 0x00)
      : image(std::vector<uint8_t>(kFullImageSize, fill)), progress(stopAfter) {
    PutBuiltInCodes(doc);
    TabelleErgaenzen(doc);
    ctx.progressTotal = doc.TotalTextCount() + 1337;
    SetCode(0, doc.Tabelle[1][0]);
  }
  // Sets a column-1 text (of every dictionary code for code -1), then Kodiertabelle and MaxEintragLaenge.
  void SetCode(int code, const std::string& text) {
    for (int c = code < 0 ? kDictionaryFirst : code; c <= (code < 0 ? kDictionaryLast : code); ++c)
      doc.Tabelle[1][c] = text;
    doc.Kodiertabelle = doc.Tabelle[1];
    BerechneMaxLaengen(doc);
  }
  Bytes Slice(int32_t at, int32_t n) const { return {image.bytes().begin() + at, image.bytes().begin() + at + n}; }

  Document doc;
  RomImage image;
  ScriptedPrompter prompter;
  RecordingProgress progress;
  WriteContext ctx{doc, image, prompter, progress};
};

}  // namespace orvane::testing
