#include "writer/fixed_name.h"

#include <algorithm>

#include "writer/encoder.h"

namespace orvane {

namespace {

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

uint8_t HexValue(char c) {
  if (c <= '9') return static_cast<uint8_t>(c - '0');
  return static_cast<uint8_t>((c | 0x20) - 'a' + 10);
}

}  // namespace

NameSplitter::NameSplitter(const CodeTable& table, const Encoder& encoder)
    : encoder_(encoder),
      emptyCode_(static_cast<uint8_t>(encoder.SucheCode("") & 0xFF)),
      spaceCode_(static_cast<uint8_t>(encoder.EinzelCode(' ') & 0xFF)) {
  for (int32_t c = 0; c < kCodes; ++c) {
    if (c >= kDictionaryFirst && c <= kDictionaryLast) continue;
    const std::string& text = table[static_cast<size_t>(c)];
    if (text.size() < 2) continue;
    auto& bucket = notations_[static_cast<uint8_t>(text[0])];
    const bool seen = std::any_of(bucket.begin(), bucket.end(), [&](const auto& n) { return n.first == text; });
    if (!seen) bucket.emplace_back(text, static_cast<uint8_t>(c));
  }
  for (auto& bucket : notations_)
    std::stable_sort(bucket.begin(), bucket.end(),
                     [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
}

std::vector<NameUnit> NameSplitter::Split(std::string_view name) const {
  std::vector<NameUnit> units;
  for (size_t k = 0; k < name.size(); k += units.back().text.size()) units.push_back(First(name.substr(k)));
  return units;
}

NameUnit NameSplitter::First(std::string_view rest) const {
  const auto& bucket = notations_[static_cast<uint8_t>(rest[0])];
  const auto notation =
      std::find_if(bucket.begin(), bucket.end(), [&](const auto& n) { return rest.starts_with(n.first); });
  if (notation != bucket.end()) return {rest.substr(0, notation->first.size()), notation->second};
  if (rest.size() >= 4 && rest[0] == '{' && rest[3] == '}' && IsHexDigit(rest[1]) && IsHexDigit(rest[2]))
    return {rest.substr(0, 4), static_cast<uint8_t>(HexValue(rest[1]) * 16 + HexValue(rest[2]))};
  return {rest.substr(0, 1), static_cast<uint8_t>(encoder_.EinzelCode(rest[0]) & 0xFF)};
}

}  // namespace orvane
