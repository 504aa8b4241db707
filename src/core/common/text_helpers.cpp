#include "common/text_helpers.h"

#include <algorithm>
#include <cctype>
#include <ctime>

#include "common/run_error.h"

namespace orvane {

int32_t HexToNumber(std::string_view digits) {
  if (digits.empty()) throw MakeRunError(errors::kTypeMismatch);
  int64_t value = 0;
  for (char c : digits) {
    int d;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else throw MakeRunError(errors::kTypeMismatch);
    value = value * 16 + d;
    if (value > INT32_MAX) throw MakeRunError(errors::kOverflow);
  }
  return static_cast<int32_t>(value);
}

int32_t SucheEintrag(std::span<const std::string> list, std::string_view text) {
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i] == text) return static_cast<int32_t>(i);
  return -1;
}

void ClearAll(std::span<std::string> list) {
  for (auto& s : list) s.clear();
}

namespace {
std::string Lower(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}
}  // namespace

int32_t ZaehleVorkommen(std::string_view text, std::string_view suchtext, bool grossKlein) {
  if (suchtext.empty()) return -1;
  std::string lowText, lowPattern;
  if (!grossKlein) {
    lowText = Lower(text);
    lowPattern = Lower(suchtext);
    text = lowText;
    suchtext = lowPattern;
  }
  int32_t count = 0;
  size_t pos = 0;
  while ((pos = text.find(suchtext, pos)) != std::string_view::npos) {
    ++count;
    pos += suchtext.size();
  }
  return count;
}

std::string PrintedNumber(int32_t value) {
  return (value >= 0 ? " " : "") + std::to_string(value) + " ";
}

std::string SignedLabelNumber(int32_t value) {
  return (value >= 0 ? " " : "") + std::to_string(value);
}

std::string HexEscape(uint8_t code) {
  static const char* kDigits = "0123456789ABCDEF";
  return std::string{'{', kDigits[code >> 4], kDigits[code & 15], '}'};
}

std::string LocalTimeText(const char* format) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[64];
  return std::string(text, std::strftime(text, sizeof text, format, &local));
}

}  // namespace orvane
