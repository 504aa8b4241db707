#include "support/linear_encoder.h"

#include "common/text_helpers.h"

namespace orvane::testing {

CodeMatch LinearNaechsterCode(const CodeTable& table, int32_t maxLength, std::string_view text, int32_t k) {
  const size_t pos = static_cast<size_t>(k);
  for (int32_t length = maxLength; length >= 1; --length) {
    const std::string_view piece = pos < text.size() ? text.substr(pos, static_cast<size_t>(length)) : "";
    const int32_t code = SucheEintrag(table, piece);
    if (code >= 0) return {code, k + length, {}};
  }
  if (pos + 3 < text.size() && text[pos] == '{' && text[pos + 3] == '}')
    return {HexZuZahl(text.substr(pos + 1, 2)), k + 4, {}};
  return {-1, k + 1, pos < text.size() ? text.substr(pos, 1) : ""};
}

int32_t LinearKodiereText(const CodeTable& table, int32_t maxLength, std::string_view text,
                          std::vector<uint8_t>& bytes) {
  bytes.clear();
  int32_t k = 0;
  while (k < static_cast<int32_t>(text.size())) {
    const CodeMatch m = LinearNaechsterCode(table, maxLength, text, k);
    if (m.code >= 0) bytes.push_back(static_cast<uint8_t>(m.code));
    k = m.next;
  }
  return static_cast<int32_t>(bytes.size());
}

}  // namespace orvane::testing
