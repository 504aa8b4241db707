#pragma once
// What keeps a text from reaching the ROM as typed, found before anything is written: a brace
// group that is no escape, a character the table has no code for, a {00} that would end a string
// early, a name longer than its limit. Also the bytes a text takes with the current table.

#include <optional>
#include <string>
#include <string_view>

#include "document.h"
#include "text_places.h"
#include "writer/encoder.h"
#include "writer/fixed_name.h"

namespace orvane {

// What kind of fault keeps a text from being written as typed.
enum class TextFault {
  Character,  // a character no table entry and no escape can write
  Escape,     // a brace group that is no escape, or a {00} that would end the text early
  TooLong,    // a name over its limit
};

struct TextProblem {
  TextFault fault;
  std::string reason;
};

class TextCheck {
 public:
  // Works with Tabelle column 1 as the next save will (the dictionary included).
  explicit TextCheck(const Document& doc);
  TextCheck(const TextCheck&) = delete;
  TextCheck& operator=(const TextCheck&) = delete;

  // Why `text` cannot be written into a place of `list` as it stands; nothing when it can.
  std::optional<std::string> Problem(TextList list, std::string_view text) const;
  // The same with its kind.
  std::optional<TextProblem> Fault(TextList list, std::string_view text) const;

  // The bytes the text takes in the ROM (codes and the closing 0x00; the record for fixed names);
  // nothing when a brace group cannot be read.
  std::optional<int32_t> Bytes(TextList list, std::string_view text) const;

  // Characters as a name record counts them: a name, an escape or "..." is one.
  int32_t NameCharacters(std::string_view text) const;

 private:
  std::optional<TextProblem> RecordProblem(TextList list, std::string_view text) const;
  std::optional<TextProblem> StringProblem(std::string_view text) const;

  Encoder encoder_;
  NameSplitter names_;
};

}  // namespace orvane
