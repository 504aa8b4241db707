#pragma once
// The pieces of a text that the table cannot write: a character no table entry and no escape
// covers, or a brace group that is no escape. Found with the encoder's own matching rule, so the
// editor marks exactly what the writer would stop at, and measured in one pass with the bytes the
// rest of the text takes.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "writer/encoder.h"

namespace orvane {

struct UnwritablePiece {
  int32_t start = 0;   // byte offset in the text
  int32_t length = 0;  // 1 for a character, the whole group for a brace group; 0 for an empty text
  bool operator==(const UnwritablePiece&) const = default;
};

struct DialogueMeasure {
  int32_t bytes = 0;  // the codes the table has for the text, and its closing 0x00
  std::vector<UnwritablePiece> unwritable;
};

// A dialogue text as the bank writer encodes it, going on after each piece it cannot write. An empty
// text takes the code of the lowest empty table entry; without one the empty text is unwritable.
DialogueMeasure MeasureDialogueText(const Encoder& encoder, std::string_view text);

// The pieces of `text` the table cannot write, in order.
std::vector<UnwritablePiece> UnwritablePieces(const Encoder& encoder, std::string_view text);

// The different pieces, each once, in the order of their first appearance.
std::vector<std::string> DistinctPieces(std::string_view text, const std::vector<UnwritablePiece>& pieces);

// "\"ü\", \"ä\"": each piece quoted, joined by commas.
std::string QuotedPieces(const std::vector<std::string>& pieces);
// "ü, ä": the pieces joined by commas, as a sentence names them.
std::string ListedPieces(const std::vector<std::string>& pieces);

// Where a character the game should show gets its code; `tableFile` is the table file's path, or
// empty when none was found.
std::string TableFileAdvice(std::string_view tableFile);

}  // namespace orvane
