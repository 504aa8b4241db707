#include "check/read_back.h"

#include <algorithm>

#include "common/text_helpers.h"
#include "rom/rom_loader.h"
#include "text_places.h"

namespace orvane {

namespace {

bool IsHex(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

// A record name without the blanks and empty-entry codes that fill its record up.
std::string_view WithoutPadding(std::string_view text, std::string_view pad) {
  for (;;) {
    if (!text.empty() && text.back() == ' ')
      text.remove_suffix(1);
    else if (!pad.empty() && text.ends_with(pad))
      text.remove_suffix(pad.size());
    else
      return text;
  }
}

}  // namespace

std::string ReadsBackAs(std::string_view text, const CodeTable& written, const CodeTable& read) {
  std::string back;
  back.reserve(text.size());
  for (size_t k = 0; k < text.size();) {
    if (text[k] == '{' && k + 3 < text.size() && IsHex(text[k + 1]) && IsHex(text[k + 2]) && text[k + 3] == '}') {
      const auto code = static_cast<size_t>(HexToNumber(text.substr(k + 1, 2)));
      back += written[code].empty() ? read[code] : written[code];
      k += 4;
    } else {
      back += text[k++];
    }
  }
  return back;
}

std::vector<ReadBackRow> ReadBack(const Document& doc, const RomImage& image) {
  // Every text is written through column 1, also where loading used column 2.
  Document read;
  DecodeRomImage(read, image, 0);
  // An empty dialogue text, and the rest of an enemy name's record, is written as the lowest code
  // whose entry is empty.
  const CodeTable& written = doc.Tabelle[1];
  const auto empty = std::find_if(written.begin(), written.end(), [](const std::string& t) { return t.empty(); });
  const std::string emptyCode = empty == written.end() ? "" : HexEscape(static_cast<uint8_t>(empty - written.begin()));
  const std::string padding = ReadsBackAs(emptyCode, written, read.Tabelle[1]);
  std::vector<ReadBackRow> rows;
  const auto same = [&](const TextPlace& place, const std::string& typed, const std::string& back) {
    if (typed.empty() && place.list == TextList::Dialogue) return back == padding;
    const std::string expected = ReadsBackAs(typed, written, read.Tabelle[1]);
    if (RecordLength(place.list) > 0) return WithoutPadding(expected, padding) == WithoutPadding(back, padding);
    return expected == back;
  };
  ForEachDifferentText(doc, read, same, [&](const TextPlace& place, const std::string& typed, const std::string& back) {
    rows.push_back({PlaceName(place), typed, back});
  });
  return rows;
}

std::string ReadBackLine(const ReadBackRow& row) {
  return row.place + " reads back as \"" + row.read + "\" instead of \"" + row.expected + "\"";
}

}  // namespace orvane
