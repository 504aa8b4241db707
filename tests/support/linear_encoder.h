#pragma once
// The encoder's matching rule read plainly: every length from MaxEintragLaenge down to 1, each piece
// looked up through the whole table with SucheEintrag, then the brace escape. The reference that the
// indexed encoder is compared with, in tests and in the benchmark.

#include <string_view>

#include "common/text_helpers.h"
#include "writer/encoder.h"

namespace orvane::testing {

inline CodeMatch LinearNaechsterCode(const CodeTable& table, int32_t maxLength, std::string_view text, int32_t k) {
  const auto pos = static_cast<size_t>(k);
  for (int32_t length = maxLength; length >= 1; --length)
    if (const int32_t code = SucheEintrag(table, pos < text.size() ? text.substr(pos, length) : ""); code >= 0)
      return {code, k + length, {}};
  if (pos + 3 < text.size() && text[pos] == '{' && text[pos + 3] == '}')
    return {HexToNumber(text.substr(pos + 1, 2)), k + 4, {}};
  return {-1, k + 1, pos < text.size() ? text.substr(pos, 1) : ""};
}

}  // namespace orvane::testing
