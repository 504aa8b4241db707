#include "check/unwritable.h"

#include <algorithm>

#include "common/run_error.h"
#include "rom/character_table.h"

namespace orvane {

namespace {

// A "{" that no entry and no escape takes starts a brace group when a "}" closes it before the next
// "{" or blank: the whole group is the piece the translator has to change.
int32_t BraceGroupLength(std::string_view text, size_t start) {
  const size_t end = text.find_first_of("{} ", start + 1);
  return end != std::string_view::npos && text[end] == '}' ? static_cast<int32_t>(end - start + 1) : 1;
}

}  // namespace

DialogueMeasure MeasureDialogueText(const Encoder& encoder, std::string_view text) {
  DialogueMeasure measure;
  measure.bytes = 1;  // the closing 0x00
  const auto size = static_cast<int32_t>(text.size());
  int32_t k = 0;
  do {
    CodeMatch m;
    try {
      m = encoder.NaechsterCode(text, k);
    } catch (const RunError&) {
      m = {-1, k + 4, text.substr(static_cast<size_t>(k), 4)};  // {ZZ}: braces around no hex digits
    }
    if (m.code >= 0) {
      ++measure.bytes;
    } else {
      const int32_t length = m.piece == "{" ? BraceGroupLength(text, static_cast<size_t>(k))
                                            : static_cast<int32_t>(m.piece.size());
      measure.unwritable.push_back({k, length});
      m.next = k + std::max(length, 1);
    }
    k = m.next;
  } while (k < size);
  return measure;
}

std::vector<UnwritablePiece> UnwritablePieces(const Encoder& encoder, std::string_view text) {
  if (text.empty()) return {};  // a line of the pane, not a text: nothing to write
  return MeasureDialogueText(encoder, text).unwritable;
}

std::vector<std::string> DistinctPieces(std::string_view text, const std::vector<UnwritablePiece>& pieces) {
  std::vector<std::string> distinct;
  for (const UnwritablePiece& piece : pieces) {
    std::string shown(text.substr(static_cast<size_t>(piece.start), static_cast<size_t>(piece.length)));
    if (std::find(distinct.begin(), distinct.end(), shown) == distinct.end()) distinct.push_back(std::move(shown));
  }
  return distinct;
}

std::string QuotedPieces(const std::vector<std::string>& pieces) {
  std::string joined;
  for (const std::string& piece : pieces) joined += (joined.empty() ? "\"" : ", \"") + piece + "\"";
  return joined;
}

std::string ListedPieces(const std::vector<std::string>& pieces) {
  std::string joined;
  for (const std::string& piece : pieces) joined += (joined.empty() ? "" : ", ") + piece;
  return joined;
}

std::string TableFileAdvice(std::string_view tableFile) {
  const std::string where = tableFile.empty() ? std::string(kTableFileName) + " beside the program or the ROM"
                                              : std::string(tableFile);
  return "A character the game should show needs a code in the table file " + where +
         " (and a picture in the game's font).";
}

}  // namespace orvane
