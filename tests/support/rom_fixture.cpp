#include "support/rom_fixture.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <stdexcept>

#include "common/file_helpers.h"
#include "document.h"
#include "rom/layout.h"

namespace orvane::testing {

namespace {

// Codes 0xA0..0xED in order; 0xEF is the space.
constexpr std::string_view kCharacters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789!?/`\":&()'.,=-+%";
constexpr std::string_view kLineCodes[] = {"[L_]", "[LS]", "[W_]", "[WS]"};
constexpr uint8_t kLineCodeValues[] = {0x05, 0x06, 0x0B, 0x0C};

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

void Check(bool inside) {
  if (!inside) throw std::out_of_range("fixture index out of range");
}

}  // namespace

Bytes Codes(std::string_view text) {
  Bytes out;
  for (size_t i = 0; i < text.size(); ++i) {
    const std::string_view four = text.substr(i, 4);
    const size_t line = std::find(std::begin(kLineCodes), std::end(kLineCodes), four) - std::begin(kLineCodes);
    const size_t character = kCharacters.find(text[i]);
    if (text[i] == ' ') out.push_back(kCodeSpace);
    else if (character != std::string_view::npos) out.push_back(static_cast<uint8_t>(0xA0 + character));
    else if (four.size() == 4 && four[0] == '{' && four[3] == '}') out.push_back(Hex(four.substr(1, 2)).at(0)), i += 3;
    else if (line < 4) out.push_back(kLineCodeValues[line]), i += 3;
    else throw std::invalid_argument("no code for " + std::string(text.substr(i)));
  }
  return out;
}

Bytes Hex(std::string_view text) {
  Bytes out;
  std::istringstream in{std::string(text)};
  for (unsigned value; in >> std::hex >> value;) out.push_back(static_cast<uint8_t>(value));
  return out;
}

RomFixture::RomFixture() : rom_(Bytes(static_cast<size_t>(kFullImageSize), 0)), dictionary_(kDictionaryEntries) {
  for (const BankPlace& list : Lists()) {
    for (int i = 0; i < list.textCount; ++i) Point(list.pointerTable + 2 * i, list.dataStart);
    next_.push_back(list.dataStart + 1);
  }
  for (int i = 1; i <= kItemCount; ++i) SetItem(i, 0, {}, 0xFF);
  for (int i = 0; i < kEnemyCount; ++i) SetEnemy(i, {}, 0xFF);
  for (int i = 0; i < kTechCount; ++i) SetTech(i, {}, 0xFF);
  SetDictionaryEntry(kDictionaryFirst, {});
}

void RomFixture::SetDictionaryEntry(uint8_t code, const Bytes& bytes) {
  Check(code >= kDictionaryFirst && code <= kDictionaryLast);
  dictionary_[code - kDictionaryFirst] = bytes;
  int32_t at = kDictionaryData;
  for (int i = 0; i < kDictionaryEntries; ++i) {
    if (at + 1 + static_cast<int32_t>(dictionary_[i].size()) > kDictionaryDataEnd)
      throw std::length_error("dictionary exceeds its area");
    Point(kDictionaryPointers + 2 * i, at);
    rom_.SchreibeByte(at++, static_cast<uint8_t>(dictionary_[i].size()));
    PutBytes(at, dictionary_[i]);
    at += static_cast<int32_t>(dictionary_[i].size());
  }
  rom_.SchreibeByte(at, 0);
}

void RomFixture::SetText(int bank, int text, const Bytes& bytes) {
  Check(bank >= 1 && bank <= kBankCount);
  SetString(bank - 1, text - 1, bytes);
}

void RomFixture::SetString(int list, int slot, const Bytes& bytes) {
  const BankPlace& place = Lists()[static_cast<size_t>(list)];
  Check(slot >= 0 && slot < place.textCount);
  int32_t& next = next_[static_cast<size_t>(list)];
  if (next + static_cast<int32_t>(bytes.size()) > place.dataEnd) throw std::length_error("string does not fit");
  PutBytes(next, bytes);
  rom_.SchreibeByte(next + static_cast<int32_t>(bytes.size()), 0);
  Point(place.pointerTable + 2 * slot, next);
  next += static_cast<int32_t>(bytes.size()) + 1;
}

void RomFixture::ShareItemInfo(int index, int other) {
  const int32_t from = kItemInfoPointers + 2 * (other - 1);
  PutBytes(kItemInfoPointers + 2 * (index - 1), {rom_.LeseByte(from), rom_.LeseByte(from + 1)});
}

void RomFixture::PutRecord(int32_t first, int index, int count, Bytes record, uint8_t pad) {
  Check(index >= 0 && index < count);
  if (static_cast<int32_t>(record.size()) > kRecordSize) throw std::length_error("name longer than its record");
  record.resize(kRecordSize, pad);
  PutBytes(first + kRecordSize * index, record);
}

void RomFixture::SetItem(int index, uint8_t symbol, const Bytes& name, uint8_t pad) {
  Bytes record{symbol};
  record.insert(record.end(), name.begin(), name.end());
  PutRecord(kItemRecords, index - 1, kItemCount, record, pad);
}
void RomFixture::SetEnemy(int index, const Bytes& name, uint8_t pad) { PutRecord(kEnemyRecords, index, kEnemyCount, name, pad); }
void RomFixture::SetTech(int index, const Bytes& name, uint8_t pad) { PutRecord(kTechRecords, index, kTechCount, name, pad); }

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
    file += std::string{digits[c >> 4], digits[c & 15], '=', kCharacters[i], '\r', '\n'};
  return file + "EF= \r\nF1=...\r\n";
}

std::string WriteTableFile(const std::string& folder, const std::string& contents) {
  const std::string path = folder + (folder.ends_with('/') ? "" : "/") + "Orvane_Englisch.tbl";
  WriteFileAtomically(path, contents);
  return path;
}

std::string ReadFileText(const std::string& path) {
  const Bytes bytes = ReadWholeFile(path);
  return std::string(bytes.begin(), bytes.end());
}

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "orvane-test-XXXXXX").string();
  path_ = std::string(::mkdtemp(pattern.data())) + "/";
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

}  // namespace orvane::testing
