#include "common/cp1252.h"

#include <algorithm>
#include <array>
#include <utility>

namespace orvane {

namespace {

// Characters of bytes 0x80..0x9F; the undefined five keep their own number.
constexpr std::array<char16_t, 32> kHighControls = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t ch) {
  if (ch < 0x80) {
    out += static_cast<char>(ch);
  } else if (ch < 0x800) {
    out += static_cast<char>(0xC0 | (ch >> 6));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (ch >> 12));
    out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  }
}

// The character starting at `k` and its length in bytes; length 0 for a malformed sequence.
std::pair<char32_t, size_t> DecodeUtf8(std::string_view s, size_t k) {
  const auto lead = static_cast<uint8_t>(s[k]);
  if (lead < 0x80) return {lead, 1};
  const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (length == 0 || lead > 0xF4 || k + length > s.size()) return {0, 0};
  char32_t ch = lead & (0x7F >> length);
  for (size_t i = 1; i < length; ++i) {
    const auto next = static_cast<uint8_t>(s[k + i]);
    if ((next & 0xC0) != 0x80) return {0, 0};
    ch = (ch << 6) | (next & 0x3F);
  }
  // Overlong forms and surrogates are not characters.
  constexpr std::array<char32_t, 5> kSmallest = {0, 0, 0x80, 0x800, 0x10000};
  if (ch < kSmallest[length] || (ch >= 0xD800 && ch <= 0xDFFF) || ch > 0x10FFFF) return {0, 0};
  return {ch, length};
}

}  // namespace

char32_t Cp1252Char(uint8_t byte) { return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : byte; }

int Cp1252Byte(char32_t ch) {
  if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return static_cast<int>(ch);
  for (size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == ch) return static_cast<int>(0x80 + i);
  return -1;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (unsigned char b : bytes) AppendUtf8(out, Cp1252Char(b));
  return out;
}

std::optional<std::string> Utf8ToCp1252(std::string_view utf8, std::string* refused) {
  std::string bytes;
  bytes.reserve(utf8.size());
  for (size_t k = 0; k < utf8.size();) {
    const auto [ch, length] = DecodeUtf8(utf8, k);
    const int byte = length == 0 ? -1 : Cp1252Byte(ch);
    if (byte < 0) {
      if (refused) *refused = std::string(utf8.substr(k, std::max<size_t>(length, 1)));
      return std::nullopt;
    }
    bytes += static_cast<char>(byte);
    k += length;
  }
  return bytes;
}

bool IsUtf8(std::string_view text) {
  for (size_t k = 0; k < text.size();) {
    const size_t length = DecodeUtf8(text, k).second;
    if (length == 0) return false;
    k += length;
  }
  return true;
}

}  // namespace orvane
