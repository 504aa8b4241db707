#include "check/text_check.h"

#include <algorithm>

#include "common/run_error.h"

namespace orvane {

namespace {

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

TextProblem BraceProblem(std::string_view rest) {
  return {TextFault::Escape,
          "the brace group " + Quoted(rest.substr(0, 4)) + " is no escape (an escape is { and two hex digits and })"};
}

TextProblem CharacterProblem(char c) {
  return {TextFault::Character, "the character " + Quoted(std::string_view(&c, 1)) + " has no code in the table"};
}

}  // namespace

TextCheck::TextCheck(const Document& doc)
    : encoder_(doc.Tabelle[1], LongestText(doc.Tabelle[1])), names_(doc.Tabelle[1], encoder_) {}

int32_t TextCheck::NameCharacters(std::string_view text) const {
  return static_cast<int32_t>(names_.Split(text).size());
}

std::optional<std::string> TextCheck::Problem(TextList list, std::string_view text) const {
  const std::optional<TextProblem> fault = Fault(list, text);
  return fault ? std::optional<std::string>(fault->reason) : std::nullopt;
}

std::optional<TextProblem> TextCheck::Fault(TextList list, std::string_view text) const {
  std::optional<TextProblem> problem = RecordLength(list) > 0 ? RecordProblem(list, text) : StringProblem(text);
  if (problem) return problem;
  const int32_t limit = NameLimit(list);
  if (limit > 0 && NameCharacters(text) > limit)
    return TextProblem{TextFault::TooLong, "longer than " + std::to_string(limit) + " characters (" +
                                               std::to_string(NameCharacters(text)) + ")"};
  return std::nullopt;
}

// Record names are written one position per byte; a character without a code of its own would
// become 0xFF, except the star of a technique name, which has a byte of its own.
std::optional<TextProblem> TextCheck::RecordProblem(TextList list, std::string_view text) const {
  for (size_t k = 0; k < text.size();) {
    const NameUnit unit = names_.First(text.substr(k));
    const bool star = list == TextList::TechNames && unit.text == "*";
    if (unit.text.size() == 1 && !star && encoder_.EinzelCode(unit.text[0]) < 0)
      return unit.text[0] == '{' ? BraceProblem(text.substr(k)) : CharacterProblem(unit.text[0]);
    k += unit.text.size();
  }
  return std::nullopt;
}

// Strings are encoded with the longest-match rule; a {00} in them would end the string there.
std::optional<TextProblem> TextCheck::StringProblem(std::string_view text) const {
  for (int32_t k = 0; k < static_cast<int32_t>(text.size());) {
    CodeMatch m;
    try {
      m = encoder_.NaechsterCode(text, k);
    } catch (const RunError&) {
      return BraceProblem(text.substr(static_cast<size_t>(k)));
    }
    if (m.code < 0)
      return text[k] == '{' ? BraceProblem(text.substr(static_cast<size_t>(k))) : CharacterProblem(text[k]);
    if (m.code == 0) return TextProblem{TextFault::Escape, "{00} would end the text there"};
    k = m.next;
  }
  return std::nullopt;
}

std::optional<int32_t> TextCheck::Bytes(TextList list, std::string_view text) const {
  if (const int32_t record = RecordLength(list); record > 0) return record;
  std::vector<uint8_t> codes;
  try {
    // An empty text is written as one code and its 0x00 in a dialogue bank, as the 0x00 alone elsewhere.
    const int32_t n = encoder_.KodiereText(text, codes);
    return std::max(n, list == TextList::Dialogue ? 1 : 0) + 1;
  } catch (const RunError&) {
    return std::nullopt;
  }
}

}  // namespace orvane
