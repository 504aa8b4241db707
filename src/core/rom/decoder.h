#pragma once
// Turns the byte codes of the ROM into editor notation: every byte adds its text from a column of
// Tabelle. Holds the rules of the dictionary, the dialogue banks and the seven name tables.

#include <cstddef>
#include <cstdint>
#include <string>

#include "document.h"
#include "rom/rom_image.h"

namespace orvane {

// Most text one load may decode, and most bytes it may read for it. A game image decodes to well
// under a megabyte; an image of garbage (every text running to the end of the file, dictionary
// entries nested in each other) could need gigabytes and hours, so such an image ends the load
// with error 7 instead, in a time linear in the limit.
inline constexpr size_t kDecodedTextLimit = size_t{16} << 20;

class TextDecoder {
 public:
  explicit TextDecoder(const RomImage& rom, size_t limit = kDecodedTextLimit) : rom_(rom), left_(limit) {}

  // The bytes from `position` up to the first 0x00 (not included), each adding its text from
  // `column`. Throws RunError 7 once the limit is used up.
  std::string PointerString(int32_t position, const CodeTable& column);

  // The string that the pointer at `pointerPosition` leads to.
  std::string ListString(int32_t pointerPosition, const CodeTable& column) {
    return PointerString(rom_.LeseZeiger(pointerPosition), column);
  }

  // Dictionary codes 0x21..0x9F into column 1, in ascending order. Of each entry the length byte
  // is skipped, the next byte is taken whatever it is, and the bytes after it as long as they are
  // 0x14 or above. Each byte adds its column-1 text as it stands at that moment, so a code whose
  // text comes later (a higher dictionary code, an escape) adds nothing.
  void ReadDictionary(Document& doc);

  // Dialogue banks 1..21 into both fields of Texte; banks 17..21 through column 2 when the file
  // was edited with V 0.95 (ladeOption 1).
  void DecodeBanks(Document& doc, int16_t ladeOption);

  // Savegame titles, locations, items, enemies, techniques with their descriptions and item
  // descriptions, all through column 1.
  void DecodeNameTables(Document& doc);

 private:
  void Add(std::string& text, const std::string& unit);
  // 11-byte name records; `unitOf` gives the text of one byte.
  template <typename UnitOf>
  std::string RecordName(int32_t position, int32_t length, UnitOf unitOf);

  const RomImage& rom_;
  size_t left_;
};

}  // namespace orvane
