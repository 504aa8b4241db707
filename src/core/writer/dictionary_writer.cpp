// The dictionary area: 127 pointers from kDictionaryPointers, then the entries packed from
// kDictionaryData (a length byte, then one code per character) and a closing 0x00, all inside
// the 512-byte budget.

#include <string>
#include <vector>

#include "common/text_helpers.h"
#include "rom/layout.h"
#include "writer/encoder.h"
#include "writer/fixed_name.h"
#include "writer/write_context.h"

namespace orvane {

namespace {

// The bytes of one entry: its length byte, then one code per character. A character without a
// code of its own starts a notation (a line code, an escape like {40}) that is written as its one
// code; anything else is 0xFF. The length byte counts the codes that follow, so it never reaches
// into the next entry and no typed character after a notation is passed over.
std::vector<uint8_t> EntryBytes(const Encoder& encoder, const NameSplitter& notations, const std::string& entry) {
  std::vector<uint8_t> bytes{0};
  size_t k = 0;
  while (k < entry.size()) {
    const int32_t single = encoder.EinzelCode(entry[k]);
    if (single >= 0) {
      bytes.push_back(static_cast<uint8_t>(single));
      ++k;
    } else {
      const NameUnit unit = notations.First(std::string_view(entry).substr(k));
      bytes.push_back(unit.code);
      k += unit.text.size();
    }
  }
  bytes[0] = static_cast<uint8_t>((bytes.size() - 1) & 0xFF);
  return bytes;
}

}  // namespace

WriteResult SchreibeWoerterbuch(WriteContext& ctx) {
  Encoder encoder = MakeEncoder(ctx);
  const NameSplitter notations(ctx.doc.Kodiertabelle, encoder);
  int32_t pointer = kDictionaryPointers;
  int32_t data = kDictionaryData;
  for (int32_t c = kDictionaryFirst; c <= kDictionaryLast; ++c) {
    std::vector<uint8_t> bytes = EntryBytes(encoder, notations, ctx.doc.Kodiertabelle[static_cast<size_t>(c)]);
    // Every later entry needs at least its length byte; an entry that would take that room is
    // left out (written empty) and its code is kept out of the texts.
    const int32_t later = kDictionaryLast - c;
    if (data + static_cast<int32_t>(bytes.size()) - 1 > kDictionaryDataEnd - later) {
      const std::string& entry = ctx.doc.Kodiertabelle[static_cast<size_t>(c)];
      ctx.overflowNotes.push_back("Dictionary entry " + HexEscape(static_cast<uint8_t>(c)) + " \"" + entry +
                                  "\" did not fit");
      ctx.droppedCodes.set(static_cast<size_t>(c));
      // A dropped one-character entry must not stand for its character in the later entries.
      if (entry.size() == 1) encoder = MakeEncoder(ctx);
      bytes.assign(1, 0);
    }
    ctx.image.SchreibeZeiger(pointer, data);
    pointer += 2;
    for (uint8_t b : bytes) ctx.image.SchreibeByte(data++, b);
  }
  // The closing 0x00 only when the entries leave room for it.
  if (data <= kDictionaryDataEnd) ctx.image.SchreibeByte(data, 0x00);
  return WriteResult::Finished;
}

}  // namespace orvane
