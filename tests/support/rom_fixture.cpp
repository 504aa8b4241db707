#include "support/rom_fixture.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <random>
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

RomFixture RealisticRom(uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<std::string> words;
  std::istringstream list(
      "the a you to of and is it we must go north castle sword King village Thank What Hello there never "
      "forget this day magic power old tower sea ship find crystal hurry please help me gold");
  for (std::string word; list >> word;) words.push_back(word);
  // A capitalised word of at most `length` letters.
  const auto name = [&](size_t length) {
    Bytes name = Codes(words[random() % words.size()].substr(0, length));
    name[0] -= name[0] >= 0xBA ? 0x1A : 0;
    return name;
  };
  // About `length` codes of dialogue: words, character names and dictionary codes, with spaces,
  // commas, and full stops followed by a line or (every fourth) a window code.
  const auto sentence = [&](size_t length) {
    Bytes out;
    for (int lines = 0; out.size() + 12 < length;) {
      const uint32_t pick = random() % 20, after = random() % 10;
      if (pick < 3)
        out.push_back(static_cast<uint8_t>(kDictionaryFirst + random() % kDictionaryEntries));
      else if (pick == 3)
        out.push_back(static_cast<uint8_t>(0x13 + random() % 7));
      else
        for (uint8_t b : Codes(words[random() % words.size()])) out.push_back(b);
      if (after == 1) out.push_back(0xE9);
      if (after == 0)
        out.insert(out.end(), {0xE8, ++lines % 4 == 0 ? kCodeWindow : kCodeLine});
      else
        out.push_back(kCodeSpace);
    }
    out.push_back(0xDE);  // "!"
    return out;
  };
  RomFixture f;
  // 127 entries of 1..3 letters: 127 length bytes + at most 381 codes fit into 512 bytes.
  for (int c = kDictionaryFirst; c <= kDictionaryLast; ++c)
    f.SetDictionaryEntry(static_cast<uint8_t>(c), Codes(words[random() % words.size()].substr(0, 1 + random() % 3)));
  for (int b = 1; b <= kBankCount; ++b) {
    const BankPlace& p = kBankPlaces[static_cast<size_t>(b - 1)];
    for (int t = 1; t <= p.textCount; ++t)
      f.SetText(b, t, sentence(static_cast<size_t>((p.dataEnd - p.dataStart) / p.textCount) - 1));
  }
  for (int i = 1; i <= kSaveTitleCount; ++i) f.SetTitle(i, name(10));
  for (int i = 1; i <= kLocationCount; ++i) f.SetLocation(i, name(6));
  for (int i = 1; i <= kItemCount; ++i) f.SetItem(i, static_cast<uint8_t>(random() % 0x20), name(10));
  for (int i = 0; i < kEnemyCount; ++i) f.SetEnemy(i, name(11));
  for (int i = 0; i < kTechCount; ++i) f.SetTech(i, name(11));
  for (int i = 0; i < kTechInfoCount; ++i) f.SetTechInfo(i, sentence(60));
  // Every third item shares an earlier description, as many items of a kind do.
  for (int i = 1; i <= kItemInfoCount; ++i)
    i % 3 ? f.SetItemInfo(i, name(8)) : f.ShareItemInfo(i, 1 + static_cast<int>(random() % (i - 1)));
  return f;
}

}  // namespace orvane::testing
