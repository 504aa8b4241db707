// The dictionary area: 127 pointers from kDictionaryPointers, then the entries packed from
// kDictionaryData (a length byte, then one code per character) and a closing 0x00, all inside
// the 512-byte budget.

#include <string>
#include <vector>

#include "common/text_helpers.h"
#include "layout.h"
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

DictionaryLayout LayOutDictionary(const CodeTable& table) {
  DictionaryLayout layout;
  // Entries are written one code per character: only single characters and the empty entry are
  // looked up, so the encoder needs no longer pieces.
  Encoder encoder(table, 0);
  const NameSplitter notations(table, encoder);
  int32_t data = kDictionaryData;
  for (int32_t c = kDictionaryFirst; c <= kDictionaryLast; ++c) {
    const std::string& entry = table[static_cast<size_t>(c)];
    std::vector<uint8_t> bytes = EntryBytes(encoder, notations, entry);
    layout.needed += static_cast<int32_t>(bytes.size());
    // Every later entry needs at least its length byte.
    const int32_t later = kDictionaryLast - c;
    if (data + static_cast<int32_t>(bytes.size()) - 1 > kDictionaryDataEnd - later) {
      layout.notes.push_back("Dictionary entry " + HexEscape(static_cast<uint8_t>(c)) + " \"" + entry +
                             "\" did not fit");
      layout.dropped.set(static_cast<size_t>(c));
      // A dropped one-character entry must not stand for its character in the later entries.
      if (entry.size() == 1) encoder = Encoder(table, 0, layout.dropped);
      bytes.assign(1, 0);
    }
    data += static_cast<int32_t>(bytes.size());
    layout.entries.push_back(std::move(bytes));
  }
  return layout;
}

WriteResult SchreibeWoerterbuch(WriteContext& ctx) {
  DictionaryLayout layout = LayOutDictionary(ctx.doc.Kodiertabelle);
  ctx.droppedCodes |= layout.dropped;
  for (std::string& note : layout.notes) ctx.NoteOverflow(std::move(note), std::nullopt, false);
  int32_t pointer = kDictionaryPointers;
  int32_t data = kDictionaryData;
  for (const std::vector<uint8_t>& bytes : layout.entries) {
    ctx.image.SchreibeZeiger(pointer, data);
    pointer += 2;
    for (uint8_t b : bytes) ctx.image.SchreibeByte(data++, b);
  }
  // The closing 0x00 only when the entries leave room for it.
  if (data <= kDictionaryDataEnd) ctx.image.SchreibeByte(data, 0x00);
  return WriteResult::Finished;
}

}  // namespace orvane
