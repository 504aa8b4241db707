#pragma once
// The words of a text for the spelling check: runs of letters (an apostrophe inside a run belongs to
// it), in the stored or the displayed form alike. Line and window codes ("[L_]" and any "[" with the
// three characters after it), {hh} escapes and runs holding a digit are never words.

#include <cstddef>
#include <string_view>
#include <vector>

namespace orvane {

struct WordSpan {
  size_t start = 0;   // byte offset in the text
  size_t length = 0;
  bool operator==(const WordSpan&) const = default;
};

// Windows-1252 letters: A-Z, a-z, the accented letters and the few others the code page has.
bool IsWordLetter(unsigned char c);

std::vector<WordSpan> SplitWords(std::string_view text);

}  // namespace orvane
