#pragma once
// The encoder from editor notation back to byte codes. One matching rule over Kodiertabelle
// (greedy longest match, lowest code on ties, then the brace escape) and the ways the writers
// run it. The table is indexed once per save: candidates by first character, longest first.

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "document.h"

namespace orvane {

struct WriteContext;

struct CodeMatch {
  int32_t code = -1;       // 0..255, or -1 when the position has no code
  int32_t next = 0;        // position where the next match starts (0-based)
  std::string_view piece;  // the one character reported when there is no code ("" past the end)
};

class Encoder {
 public:
  // `maxLength` is MaxEintragLaenge(1); `excluded` codes behave as if their text matched nothing
  // (dictionary entries that did not fit into the ROM).
  Encoder(const CodeTable& table, int32_t maxLength, std::bitset<kCodes> excluded = {});

  // NaechsterCode at 0-based position k. Throws RunError 13 for a brace group like {ZZ}.
  CodeMatch NaechsterCode(std::string_view text, int32_t k) const;

  // Dialogue form: appends the codes of `text` to `codes` until a character without code; returns
  // that character (possibly empty for an empty text without an empty table entry), or nothing
  // when the whole text was encoded. A RunError leaves the codes found before it in `codes`.
  std::optional<std::string> KodiereDialog(std::string_view text, std::vector<uint8_t>& codes) const;

  // Name form: `bytes` gets the codes of `text`, characters without code are dropped; returns their
  // number. A RunError leaves the codes found before it in `bytes`.
  int32_t KodiereText(std::string_view text, std::vector<uint8_t>& bytes) const;

  // SucheEintrag over the table: lowest code whose text equals `text`, -1 when none.
  int32_t SucheCode(std::string_view text) const;
  // The same for a text of one character.
  int32_t EinzelCode(char c) const { return single_[static_cast<uint8_t>(c)]; }

 private:
  struct Candidate {
    std::string text;
    int32_t code;
  };
  struct TextHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };

  int32_t maxLength_;
  int32_t emptyCode_ = -1;
  std::array<std::vector<Candidate>, 256> byFirst_;  // longest first, one per distinct text
  std::array<int32_t, 256> single_;
  std::unordered_map<std::string, int32_t, TextHash, std::equal_to<>> exact_;
};

// The length of the longest text of a table column, at most 255: MaxEintragLaenge of that column.
int32_t LongestText(const CodeTable& table);

// The encoder of a save: Kodiertabelle, MaxEintragLaenge(1), without the dropped dictionary codes.
Encoder MakeEncoder(const WriteContext& ctx);

}  // namespace orvane
