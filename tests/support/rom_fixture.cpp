#include "support/rom_fixture.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <stdexcept>

#include "common/file_helpers.h"

namespace orvane::testing {

namespace {

// Codes 0xA0..0xED in order; 0xEF is the space.
constexpr std::string_view kCharacters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789!?/`\":&()'.,=-+%";
constexpr std::string_view kLineCodes[] = {"[L_]", "[LS]", "", "", "", "", "[W_]", "[WS]"};  // codes 0x05..0x0C

// The pointer-table lists as bank places: the 21 banks, then titles, locations, item and technique
// descriptions. The last field is the last byte a terminator may take.
const std::vector<BankPlace>& Lists() {
  static const std::vector<BankPlace> lists = [] {
    std::vector<BankPlace> l(kBankPlaces.begin(), kBankPlaces.end());
    l.insert(l.end(), {{kTitelZeigerTabelle, kTitelAnzahl, kTitelDatenStart, kTitelDatenEnde - 1},
                       {kStadtZeigerStart, kStadtAnzahl, kStadtDatenStart, kStadtDatenEnde - 1},
                       {kItemInfoPointers, kItemInfoCount, kItemInfoData, kItemInfoDataLast},
                       {kTechInfoPointers, kTechInfoCount, kTechInfoData, kTechInfoDataLast}});
    return l;
  }();
  return lists;
}

}  // namespace

Bytes Codes(std::string_view text) {
  Bytes out;
  for (size_t i = 0; i < text.size(); ++i) {
    const std::string_view four = text.substr(i, 4);
    const size_t line = std::find(std::begin(kLineCodes), std::end(kLineCodes), four) - std::begin(kLineCodes);
    if (text[i] == ' ')
      out.push_back(kCodeSpace);
    else if (kCharacters.find(text[i]) != std::string_view::npos)
      out.push_back(static_cast<uint8_t>(0xA0 + kCharacters.find(text[i])));
    else if (four.size() == 4 && four[0] == '{' && four[3] == '}')
      out.push_back(Hex(four.substr(1, 2)).at(0)), i += 3;
    else if (line < 8 && !four.empty())
      out.push_back(static_cast<uint8_t>(5 + line)), i += 3;
    else
      throw std::invalid_argument("no code for " + std::string(text.substr(i)));
  }
  return out;
}

Bytes Hex(std::string_view text) {
  Bytes out;
  std::istringstream in{std::string(text)};
  for (unsigned value; in >> std::hex >> value;) out.push_back(static_cast<uint8_t>(value));
  return out;
}

RomFixture::RomFixture() : rom_(Bytes(kFullImageSize, 0)), dictionary_(kDictionaryEntries) {
  for (const BankPlace& list : Lists()) {
    for (int i = 0; i < list.textCount; ++i) Point(list.pointerTable + 2 * i, list.dataStart);
    next_.push_back(list.dataStart + 1);
  }
  for (int i = 1; i <= kItemCount; ++i) SetItem(i, 0, {}, 0xFF);
  PutBytes(kEnemyRecords, Bytes(kRecordSize * kEnemyCount, 0xFF));
  PutBytes(kTechRecords, Bytes(kRecordSize * kTechCount, 0xFF));
  SetDictionaryEntry(kDictionaryFirst, {});
}

void RomFixture::SetDictionaryEntry(uint8_t code, const Bytes& bytes) {
  dictionary_.at(code - kDictionaryFirst) = bytes;
  Bytes area;
  for (int i = 0; i < kDictionaryEntries; ++i) {
    Point(kDictionaryPointers + 2 * i, kDictionaryData + static_cast<int32_t>(area.size()));
    area.push_back(static_cast<uint8_t>(dictionary_[i].size()));
    area.insert(area.end(), dictionary_[i].begin(), dictionary_[i].end());
  }
  area.push_back(0);
  if (area.size() > size_t{kDictionaryBudget}) throw std::length_error("dictionary exceeds its area");
  PutBytes(kDictionaryData, area);
}

void RomFixture::SetString(int list, int slot, const Bytes& bytes) {
  const BankPlace& place = Lists().at(static_cast<size_t>(list));
  int32_t& next = next_[static_cast<size_t>(list)];
  if (slot < 0 || slot >= place.textCount) throw std::out_of_range("no such string");
  if (next + static_cast<int32_t>(bytes.size()) > place.dataEnd) throw std::length_error("string does not fit");
  PutBytes(next, bytes);
  PutBytes(next + static_cast<int32_t>(bytes.size()), {0});
  Point(place.pointerTable + 2 * slot, next);
  next += static_cast<int32_t>(bytes.size()) + 1;
}

void RomFixture::ShareItemInfo(int index, int other) {
  const int32_t from = kItemInfoPointers + 2 * (other - 1);
  PutBytes(from + 2 * (index - other), {rom_.LeseByte(from), rom_.LeseByte(from + 1)});
}

void RomFixture::PutRecord(int32_t first, int index, int count, Bytes record, uint8_t pad) {
  if (index < 0 || index >= count || record.size() > size_t{kRecordSize}) throw std::out_of_range("no such record");
  record.resize(kRecordSize, pad);
  PutBytes(first + kRecordSize * index, record);
}

// Pointers are written here on their own, apart from the image's pointer code that the tests check.
void RomFixture::Point(int32_t position, int32_t target) {
  PutBytes(position, {static_cast<uint8_t>(target - 0x200), static_cast<uint8_t>((target - 0x200) >> 8)});
}

void RomFixture::PutBytes(int32_t position, const Bytes& bytes) {
  for (size_t i = 0; i < bytes.size(); ++i) rom_.SchreibeByte(position + static_cast<int32_t>(i), bytes[i]);
}

void RomFixture::WriteTo(const std::string& path) const { WriteFileAtomically(path, rom_.bytes()); }

std::string TypicalTableFile() {
  std::string file;
  const char* digits = "0123456789ABCDEF";
  for (size_t i = 0, c = 0xA0; i < kCharacters.size(); ++i, ++c)
    file += {digits[c >> 4], digits[c & 15], '=', kCharacters[i], '\r', '\n'};
  return file + "EF= \r\nF1=...\r\n";
}

std::string WriteTableFile(const std::string& folder, const std::string& contents) {
  const std::string path = folder + (folder.ends_with('/') ? "" : "/") + "Orvane_Englisch.tbl";
  return WriteFileAtomically(path, contents), path;
}

std::string ReadFileText(const std::string& path) {
  return [](const Bytes& b) { return std::string(b.begin(), b.end()); }(ReadWholeFile(path));
}

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "orvane-test-XXXXXX").string();
  path_ = std::string(::mkdtemp(pattern.data())) + "/";
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace orvane::testing
