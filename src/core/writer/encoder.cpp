#include "writer/encoder.h"

#include <algorithm>

#include "common/text_helpers.h"
#include "writer/write_context.h"

namespace orvane {

int32_t LongestText(const CodeTable& table) {
  size_t longest = 0;
  for (const std::string& text : table) longest = std::max(longest, text.size());
  // A Byte: an entry longer than 255 characters is never tried as one piece.
  return static_cast<int32_t>(std::min<size_t>(longest, 255));
}

void BerechneMaxLaengen(Document& doc) {
  for (int column = 1; column < kTableColumns; ++column)
    doc.MaxEintragLaenge[static_cast<size_t>(column)] =
        static_cast<uint8_t>(LongestText(doc.Tabelle[static_cast<size_t>(column)]));
}

Encoder::Encoder(const CodeTable& table, int32_t maxLength, std::bitset<kCodes> excluded)
    : maxLength_(maxLength) {
  single_.fill(-1);
  for (int32_t c = 0; c < kCodes; ++c) {
    if (excluded.test(static_cast<size_t>(c))) continue;
    const std::string& text = table[static_cast<size_t>(c)];
    if (text.empty()) {
      if (emptyCode_ < 0) emptyCode_ = c;
      continue;
    }
    // Codes are visited in ascending order, so the first code of a text is the one that wins.
    if (!exact_.emplace(text, c).second) continue;
    if (text.size() == 1) single_[static_cast<uint8_t>(text[0])] = c;
    if (static_cast<int32_t>(text.size()) <= maxLength_)
      byFirst_[static_cast<uint8_t>(text[0])].push_back({text, c});
  }
  for (auto& list : byFirst_)
    std::stable_sort(list.begin(), list.end(),
                     [](const Candidate& a, const Candidate& b) { return a.text.size() > b.text.size(); });
}

CodeMatch Encoder::NaechsterCode(std::string_view text, int32_t k) const {
  const size_t pos = static_cast<size_t>(k);
  const size_t rest = pos < text.size() ? text.size() - pos : 0;
  if (maxLength_ >= 1) {
    // Pieces longer than the rest of the text are the rest itself; a match there moves the
    // position by the full length tried, past the end of the text.
    if (rest == 0) {
      if (emptyCode_ >= 0) return {emptyCode_, k + maxLength_, {}};
    } else {
      for (const Candidate& cand : byFirst_[static_cast<uint8_t>(text[pos])]) {
        const size_t length = cand.text.size();
        if (length > rest || text.compare(pos, length, cand.text) != 0) continue;
        return {cand.code, length == rest ? k + maxLength_ : k + static_cast<int32_t>(length), {}};
      }
    }
  }
  if (rest >= 4 && text[pos] == '{' && text[pos + 3] == '}')
    return {HexToNumber(text.substr(pos + 1, 2)), k + 4, {}};
  return {-1, k + 1, text.substr(std::min(pos, text.size()), rest > 0 ? 1 : 0)};
}

std::optional<std::string> Encoder::KodiereDialog(std::string_view text, std::vector<uint8_t>& codes) const {
  // At least one pass, so an empty text gives the code of the lowest empty entry.
  int32_t k = 0;
  do {
    const CodeMatch m = NaechsterCode(text, k);
    if (m.code < 0) return std::string(m.piece);
    codes.push_back(static_cast<uint8_t>(m.code));
    k = m.next;
  } while (k < static_cast<int32_t>(text.size()));
  return std::nullopt;
}

int32_t Encoder::KodiereText(std::string_view text, std::vector<uint8_t>& bytes) const {
  bytes.clear();
  int32_t k = 0;
  while (k < static_cast<int32_t>(text.size())) {
    const CodeMatch m = NaechsterCode(text, k);
    if (m.code >= 0) bytes.push_back(static_cast<uint8_t>(m.code));
    k = m.next;
  }
  return static_cast<int32_t>(bytes.size());
}

int32_t Encoder::SucheCode(std::string_view text) const {
  if (text.empty()) return emptyCode_;
  const auto it = exact_.find(text);
  return it == exact_.end() ? -1 : it->second;
}

Encoder MakeEncoder(const WriteContext& ctx) {
  return Encoder(ctx.doc.Kodiertabelle, ctx.doc.MaxEintragLaenge[1], ctx.droppedCodes);
}

}  // namespace orvane
