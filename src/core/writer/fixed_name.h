#pragma once
// Names in the fixed-width records (items, enemies, techniques) are written one position per byte.
// A position is one character looked up alone, or a notation that loading produces for one byte
// (a character name, "...", a line code, an escape like {00}), so a loaded name writes back as it
// was read. Dictionary entries are never used here.

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "document.h"

namespace orvane {

class Encoder;

struct NameUnit {
  std::string_view text;
  uint8_t code;  // 0xFF for a character without a code of its own
};

class NameSplitter {
 public:
  NameSplitter(const CodeTable& table, const Encoder& encoder);

  std::vector<NameUnit> Split(std::string_view name) const;
  // The first position of a non-empty `rest`: a notation, an escape, or one character.
  NameUnit First(std::string_view rest) const;
  // The byte of a position past the end of an enemy name: the lowest empty table entry.
  uint8_t EmptyCode() const { return emptyCode_; }
  uint8_t SpaceCode() const { return spaceCode_; }

 private:
  // By first character, longest first, lowest code per text.
  std::array<std::vector<std::pair<std::string, uint8_t>>, 256> notations_;
  const Encoder& encoder_;
  uint8_t emptyCode_;
  uint8_t spaceCode_;
};

}  // namespace orvane
