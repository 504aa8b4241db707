#include "support/rom_fixture.h"

#include <array>
#include <atomic>
#include <filesystem>
#include <stdexcept>

#include <unistd.h>

#include "common/file_helpers.h"
#include "document.h"
#include "rom/code_table.h"
#include "rom/layout.h"

namespace orvane::testing {

namespace {

constexpr int32_t kEmptyRecordByte = 0xFF;

void CheckIndex(int index, int first, int last, const char* what) {
  if (index < first || index > last) throw std::out_of_range(std::string(what) + " index out of range");
}

// Single characters of the built-in column 1, by character.
const std::array<int, 256>& CodeOfCharacter() {
  static const std::array<int, 256> table = [] {
    std::array<int, 256> t{};
    t.fill(-1);
    for (int c = 0; c < kCodes; ++c) {
      const std::string& text = BuiltInText(static_cast<uint8_t>(c));
      if (text.size() == 1) t[static_cast<unsigned char>(text[0])] = c;
    }
    return t;
  }();
  return table;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

Bytes Codes(std::string_view text) {
  Bytes out;
  for (size_t i = 0; i < text.size();) {
    const std::string_view rest = text.substr(i);
    if (rest.size() >= 4 && rest[0] == '[' && rest[3] == ']') {
      bool found = false;
      for (uint8_t c : {kCodeLine, kCodeLineIndent, kCodeWindow, kCodeWindowIndent}) {
        if (rest.substr(0, 4) == BuiltInText(c)) {
          out.push_back(c);
          found = true;
        }
      }
      if (!found) throw std::invalid_argument("unknown bracket code in " + std::string(text));
      i += 4;
      continue;
    }
    if (rest.size() >= 4 && rest[0] == '{' && rest[3] == '}' && HexDigit(rest[1]) >= 0 && HexDigit(rest[2]) >= 0) {
      out.push_back(static_cast<uint8_t>(HexDigit(rest[1]) * 16 + HexDigit(rest[2])));
      i += 4;
      continue;
    }
    const int code = CodeOfCharacter()[static_cast<unsigned char>(rest[0])];
    if (code < 0) throw std::invalid_argument("no code for a character of " + std::string(text));
    out.push_back(static_cast<uint8_t>(code));
    ++i;
  }
  return out;
}

RomFixture::RomFixture()
    : rom_(std::vector<uint8_t>(static_cast<size_t>(kFullImageSize), 0)),
      titles_{kTitelDatenStart, kTitelDatenEnde - 1},
      locations_{kStadtDatenStart, kStadtDatenEnde - 1},
      itemInfos_{kItemInfoData, kItemInfoDataLast},
      techInfos_{kTechInfoData, kTechInfoDataLast} {
  // Every pointer of a list leads to the 0x00 at the start of its data area.
  auto emptyList = [this](Area& area, int32_t firstPointer, int count) {
    for (int i = 0; i < count; ++i) rom_.SchreibeZeiger(firstPointer + 2 * i, area.next);
    ++area.next;
  };
  for (const BankPlace& p : kBankPlaces) {
    banks_.push_back(Area{p.dataStart, p.dataEnd});
    emptyList(banks_.back(), p.pointerTable, p.textCount);
  }
  emptyList(titles_, kTitelZeigerTabelle, kTitelAnzahl);
  emptyList(locations_, kStadtZeigerStart, kStadtAnzahl);
  emptyList(itemInfos_, kItemInfoPointers, kItemInfoCount);
  emptyList(techInfos_, kTechInfoPointers, kTechInfoCount);

  // Empty names: 0xFF adds nothing to item and enemy names (a technique shows it as a space).
  for (int i = 1; i <= kItemCount; ++i) SetItem(i, 0, {}, kEmptyRecordByte);
  for (int i = 0; i < kEnemyCount; ++i) SetEnemy(i, {}, kEmptyRecordByte);
  for (int i = 0; i < kTechCount; ++i) SetTech(i, {}, kEmptyRecordByte);

  dictionaryEntries_.resize(kDictionaryEntries);
  LayOutDictionary();
}

void RomFixture::LayOutDictionary() {
  // As the writer lays it out: entries packed in code order, a 0x00 behind the last.
  int32_t data = kDictionaryData;
  for (int i = 0; i < kDictionaryEntries; ++i) {
    const Bytes& entry = dictionaryEntries_[static_cast<size_t>(i)];
    if (data + 1 + static_cast<int32_t>(entry.size()) > kDictionaryDataEnd)
      throw std::length_error("dictionary entries exceed their area");
    rom_.SchreibeZeiger(kDictionaryPointers + 2 * i, data);
    rom_.SchreibeByte(data++, static_cast<uint8_t>(entry.size()));
    for (uint8_t b : entry) rom_.SchreibeByte(data++, b);
  }
  rom_.SchreibeByte(data, 0);
}

void RomFixture::SetDictionaryEntry(uint8_t code, const Bytes& bytes) {
  CheckIndex(code, kDictionaryFirst, kDictionaryLast, "dictionary");
  const Bytes previous = dictionaryEntries_[code - kDictionaryFirst];
  dictionaryEntries_[code - kDictionaryFirst] = bytes;
  try {
    LayOutDictionary();
  } catch (const std::length_error&) {
    dictionaryEntries_[code - kDictionaryFirst] = previous;
    LayOutDictionary();
    throw;
  }
}

int32_t RomFixture::AppendString(Area& area, int32_t pointerPosition, const Bytes& bytes) {
  const int32_t start = area.next;
  if (start + static_cast<int32_t>(bytes.size()) > area.last)
    throw std::length_error("string does not fit into its area");
  PutBytes(start, bytes);
  rom_.SchreibeByte(start + static_cast<int32_t>(bytes.size()), 0);
  area.next = start + static_cast<int32_t>(bytes.size()) + 1;
  rom_.SchreibeZeiger(pointerPosition, start);
  return start;
}

int32_t RomFixture::TextPointerPosition(int bank, int text) {
  CheckIndex(bank, 1, kBankCount, "bank");
  const BankPlace& p = kBankPlaces[static_cast<size_t>(bank - 1)];
  CheckIndex(text, 1, p.textCount, "text");
  return p.pointerTable + 2 * (text - 1);
}

int32_t RomFixture::DictionaryPointerPosition(uint8_t code) {
  CheckIndex(code, kDictionaryFirst, kDictionaryLast, "dictionary");
  return kDictionaryPointers + 2 * (code - kDictionaryFirst);
}

void RomFixture::SetText(int bank, int text, const Bytes& bytes) {
  const int32_t pointer = TextPointerPosition(bank, text);
  AppendString(banks_[static_cast<size_t>(bank - 1)], pointer, bytes);
}

void RomFixture::SetTitle(int index, const Bytes& bytes) {
  CheckIndex(index, 1, kTitelAnzahl, "title");
  AppendString(titles_, kTitelZeigerTabelle + 2 * (index - 1), bytes);
}

void RomFixture::SetLocation(int index, const Bytes& bytes) {
  CheckIndex(index, 1, kStadtAnzahl, "location");
  AppendString(locations_, kStadtZeigerStart + 2 * (index - 1), bytes);
}

void RomFixture::SetItemInfo(int index, const Bytes& bytes) {
  CheckIndex(index, 1, kItemInfoCount, "item description");
  AppendString(itemInfos_, kItemInfoPointers + 2 * (index - 1), bytes);
}

void RomFixture::ShareItemInfo(int index, int other) {
  CheckIndex(index, 1, kItemInfoCount, "item description");
  CheckIndex(other, 1, kItemInfoCount, "item description");
  PutPointer(kItemInfoPointers + 2 * (index - 1), rom_.LeseZeiger(kItemInfoPointers + 2 * (other - 1)));
}

void RomFixture::SetTechInfo(int index, const Bytes& bytes) {
  CheckIndex(index, 0, kTechInfoCount - 1, "technique description");
  AppendString(techInfos_, kTechInfoPointers + 2 * index, bytes);
}

void RomFixture::PutRecord(int32_t position, int32_t size, const Bytes& head, const Bytes& name, uint8_t pad) {
  if (static_cast<int32_t>(head.size() + name.size()) > size) throw std::length_error("name longer than its record");
  Bytes record = head;
  record.insert(record.end(), name.begin(), name.end());
  record.resize(static_cast<size_t>(size), pad);
  PutBytes(position, record);
}

void RomFixture::SetItem(int index, uint8_t symbol, const Bytes& name, uint8_t pad) {
  CheckIndex(index, 1, kItemCount, "item");
  PutRecord(kItemRecords + kRecordSize * (index - 1), kRecordSize, {symbol}, name, pad);
}

void RomFixture::SetEnemy(int index, const Bytes& name, uint8_t pad) {
  CheckIndex(index, 0, kEnemyCount - 1, "enemy");
  PutRecord(kEnemyRecords + kRecordSize * index, kRecordSize, {}, name, pad);
}

void RomFixture::SetTech(int index, const Bytes& name, uint8_t pad) {
  CheckIndex(index, 0, kTechCount - 1, "technique");
  PutRecord(kTechRecords + kRecordSize * index, kRecordSize, {}, name, pad);
}

void RomFixture::PutBytes(int32_t position, const Bytes& bytes) {
  for (size_t i = 0; i < bytes.size(); ++i) rom_.SchreibeByte(position + static_cast<int32_t>(i), bytes[i]);
}

void RomFixture::PutPointer(int32_t position, int32_t target) { rom_.SchreibeZeiger(position, target); }

void RomFixture::Resize(int32_t size) { rom_.bytes().resize(static_cast<size_t>(size), 0); }

void RomFixture::WriteTo(const std::string& path) const { WriteFileAtomically(path, rom_.bytes()); }

std::string TypicalTableFile() {
  std::string file;
  auto line = [&file](int code, const std::string& text) {
    static const char* hex = "0123456789ABCDEF";
    file += hex[code >> 4];
    file += hex[code & 15];
    file += '=';
    file += text;
    file += "\r\n";
  };
  for (int c = 0xA0; c <= 0xF1; ++c) {
    const std::string& text = BuiltInText(static_cast<uint8_t>(c));
    if (!text.empty()) line(c, text);
  }
  return file;
}

std::string WriteTableFile(const std::string& folder, const std::string& contents) {
  std::string path = folder;
  if (!path.empty() && path.back() != '/') path += '/';
  path += "Orvane_Englisch.tbl";
  WriteFileAtomically(path, contents);
  return path;
}

std::string ReadFileText(const std::string& path) {
  const std::vector<uint8_t> bytes = ReadWholeFile(path);
  return std::string(bytes.begin(), bytes.end());
}

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  const auto base = std::filesystem::temp_directory_path();
  for (;;) {
    const auto candidate = base / ("orvane-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    if (std::filesystem::create_directory(candidate)) {
      path_ = candidate.string() + "/";
      return;
    }
  }
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

}  // namespace orvane::testing
