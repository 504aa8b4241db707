#pragma once
// Builds ROM images for tests: a full-size image of zero bytes with a clean header, in which tests
// lay out dictionary entries, dialogue texts and name tables at the game's fixed places, so that
// they can state bytes and expect decoded texts (or the other way round for the writers).
//
// Every pointer-table list starts out pointing at an empty string (one 0x00 at the start of its
// data area), so texts a test leaves alone decode as empty. Strings set later are appended behind
// each other in their list's data area. Writing past an area's last usable byte throws
// std::length_error, an index outside a list std::out_of_range: use PutBytes for odd layouts.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document.h"
#include "layout.h"
#include "rom/rom_image.h"

namespace orvane::testing {

using Bytes = std::vector<uint8_t>;

// Plain text as the built-in codes: letters, digits, the punctuation of the code table and the
// space; "[L_]", "[LS]", "[W_]", "[WS]" and escapes "{XX}" as their single codes. The character
// codes are spelled out here, apart from the code table the tests check. Anything else throws
// std::invalid_argument.
Bytes Codes(std::string_view text);
// "A0 05 ff" -> the three bytes.
Bytes Hex(std::string_view text);
// The escape "{XX}" of a code, spelled out here apart from the program's own.
inline std::string Escape(int code) {
  return {'{', "0123456789ABCDEF"[code >> 4], "0123456789ABCDEF"[code & 15], '}'};
}

class RomFixture {
 public:
  RomFixture();

  // Dictionary entry for code 0x21..0x9F, laid out as the writer lays it out: 127 pointers, the
  // entries packed in code order (a length byte, then the bytes), one 0x00 behind the last.
  void SetDictionaryEntry(uint8_t code, const Bytes& bytes);

  // Pointer-table strings; a 0x00 is written after the bytes.
  void SetText(int bank, int text, const Bytes& bytes) {
    SetString(bank >= 1 && bank <= 21 ? bank - 1 : -1, text - 1, bytes);
  }
  void SetTitle(int index, const Bytes& bytes) { SetString(21, index - 1, bytes); }     // 1..27
  void SetLocation(int index, const Bytes& bytes) { SetString(22, index - 1, bytes); }  // 1..111
  void SetItemInfo(int index, const Bytes& bytes) { SetString(23, index - 1, bytes); }  // 1..242
  void SetTechInfo(int index, const Bytes& bytes) { SetString(24, index, bytes); }      // 0..119
  // Lets item description `index` share the string of description `other`.
  void ShareItemInfo(int index, int other);

  // Fixed records of 11 bytes, padded with `pad`. Records start out as 0xFF bytes (items with
  // symbol 0): empty item and enemy names, technique names of 11 spaces.
  void SetItem(int index, uint8_t symbol, Bytes name, uint8_t pad = 0xEF) {  // 1..231
    name.insert(name.begin(), symbol);
    PutRecord(kItemRecords, index - 1, kItemCount, name, pad);
  }
  void SetEnemy(int index, const Bytes& name, uint8_t pad = 0xFF) {
    PutRecord(kEnemyRecords, index, kEnemyCount, name, pad);
  }  // 0..250
  void SetTech(int index, const Bytes& name, uint8_t pad = 0xEF) {
    PutRecord(kTechRecords, index, kTechCount, name, pad);
  }  // 0..115

  void PutBytes(int32_t position, const Bytes& bytes);
  const RomImage& image() const { return rom_; }
  // Writes the image as a file (throws RunError when it cannot).
  void WriteTo(const std::string& path) const;

 private:
  void SetString(int list, int slot, const Bytes& bytes);  // lists 0..20 are the banks, then the four above
  void PutRecord(int32_t first, int index, int count, Bytes record, uint8_t pad);
  void Point(int32_t position, int32_t target);

  RomImage rom_;
  std::vector<int32_t> next_;  // next free byte of each list's data area
  std::vector<Bytes> dictionary_;
};

// The contents of a typical table file: A0..B9 -> A..Z, BA..D3 -> a..z, D4..DD -> 0..9, the
// punctuation, EF -> space, F1 -> "...", lines ended by CR LF.
std::string TypicalTableFile();
// Writes `contents` as Orvane_Englisch.tbl into `folder`; returns the file's path.
std::string WriteTableFile(const std::string& folder, const std::string& contents = TypicalTableFile());

// The whole file as a byte string.
std::string ReadFileText(const std::string& path);

// A fresh empty folder under the system's temp folder, removed again by the destructor.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  // The folder's path with a trailing separator.
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + name; }

 private:
  std::string path_;
};

// Chosen dialogue texts put into a Document, for tests, fuzz targets and benchmarks.
// Makes banks 1..n hold exactly the given texts (bank i+1 gets banks[i]); every other bank is empty.
inline void PutDialogue(Document& doc, const std::vector<std::vector<std::string>>& banks) {
  for (size_t b = 1; b <= kBankCount; ++b) {
    const auto& texts = b <= banks.size() ? banks[b - 1] : std::vector<std::string>{};
    doc.BankInfo[b].TextCount = static_cast<int32_t>(texts.size());
    for (size_t t = 0; t < texts.size(); ++t) doc.Texte[b][t + 1] = TextPaar{texts[t], texts[t]};
  }
}

// Fills the 21 banks with their own text counts from `texts`, in order, starting again when short.
inline void FillAllBanks(Document& doc, const std::vector<std::string>& texts) {
  for (int bank = 1, next = 0; bank <= kBankCount; ++bank)
    for (int32_t t = 1; t <= doc.BankInfo[bank].TextCount; ++t, ++next)
      doc.Texte[bank][t] = TextPaar{texts[next % texts.size()], texts[next % texts.size()]};
}

}  // namespace orvane::testing
