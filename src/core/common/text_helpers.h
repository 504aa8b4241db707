#pragma once
// Small shared procedures over 8-bit strings and lists.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace orvane {

// Value of a string of hexadecimal digits (either case). Throws RunError 13 on anything else,
// an empty string included.
int32_t HexToNumber(std::string_view digits);

// Lowest index of `list` whose element equals `text` exactly; -1 when there is none.
int32_t SucheEintrag(std::span<const std::string> list, std::string_view text);

// Empties every string of a list.
void ClearAll(std::span<std::string> list);

// Non-overlapping occurrences of `suchtext` in `text`, left to right; -1 for an empty pattern.
// With grossKlein false both are compared in lower case.
int32_t ZaehleVorkommen(std::string_view text, std::string_view suchtext, bool grossKlein);

// A number as printed to a file: a blank for a non-negative sign, the digits, a blank (" 1 ", "-3 ").
std::string PrintedNumber(int32_t value);

// A number in a caption or label: a leading blank when not negative (" 127", "-3").
std::string SignedLabelNumber(int32_t value);

// "{" + two upper-case hex digits + "}".
std::string HexEscape(uint8_t code);

// The local time now as strftime writes it with `format` ("%Y-%m-%d").
std::string LocalTimeText(const char* format);

}  // namespace orvane
