#pragma once
// The one byte-transparent Windows-1252 mapping between the document's 8-bit texts and Unicode.
// The five bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control
// characters of the same number, so every byte 0x00..0xFF has exactly one character and back.
// The editor shows texts through it and the PO files carry them through it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// The character of a byte.
char32_t Cp1252Char(uint8_t byte);

// The byte of a character, or -1 for a character the mapping has no byte for.
int Cp1252Byte(char32_t ch);

// The text as UTF-8.
std::string Cp1252ToUtf8(std::string_view bytes);

// The bytes of a UTF-8 text. Nothing when it holds a character without a byte or is not valid
// UTF-8; `refused` then gets that character (or the bad bytes) as UTF-8.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8, std::string* refused = nullptr);

// True when the text is well-formed UTF-8 (no overlong forms, no surrogates).
bool IsUtf8(std::string_view text);

}  // namespace orvane
