#include "spelling/word_splitter.h"

#include <cctype>

namespace orvane {

namespace {

bool IsHexEscape(std::string_view text, size_t at) {
  return at + 3 < text.size() && text[at] == '{' && std::isxdigit(static_cast<unsigned char>(text[at + 1])) &&
         std::isxdigit(static_cast<unsigned char>(text[at + 2])) && text[at + 3] == '}';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool IsWordLetter(unsigned char c) {
  if ((c | 0x20) >= 'a' && (c | 0x20) <= 'z') return true;
  switch (c) {
    case 0x83: case 0x8A: case 0x8C: case 0x8E: case 0x9A: case 0x9C: case 0x9E: case 0x9F:
    case 0xAA: case 0xB5: case 0xBA:
      return true;
    default:
      return c >= 0xC0 && c != 0xD7 && c != 0xF7;
  }
}

std::vector<WordSpan> SplitWords(std::string_view text) {
  std::vector<WordSpan> words;
  size_t at = 0;
  while (at < text.size()) {
    if (text[at] == '[' && at + 3 < text.size()) {
      at += 4;
      continue;
    }
    if (IsHexEscape(text, at)) {
      at += 4;
      continue;
    }
    const auto c = static_cast<unsigned char>(text[at]);
    if (!IsWordLetter(c) && !IsDigit(text[at])) {
      ++at;
      continue;
    }
    // A run of letters and digits, with single apostrophes between letters.
    const size_t start = at;
    bool digit = false;
    while (at < text.size()) {
      const auto d = static_cast<unsigned char>(text[at]);
      if (IsDigit(text[at])) digit = true;
      else if (!IsWordLetter(d) && !((d == '\'' || d == 0x92) && at > start && at + 1 < text.size() &&
                                     IsWordLetter(static_cast<unsigned char>(text[at + 1]))))
        break;
      ++at;
    }
    if (!digit) words.push_back({start, at - start});
  }
  return words;
}

}  // namespace orvane
