#pragma once
// Builds ROM images for tests: a full-size image of zero bytes with a clean header, in which tests
// lay out dictionary entries, dialogue texts and name tables at the game's fixed places, so that
// they can state bytes and expect decoded texts (or the other way round for the writers).
//
// Every pointer-table list starts out pointing at an empty string (one 0x00 at the start of its
// data area), so texts a test leaves alone decode as empty. Strings set later are appended behind
// each other in their list's data area; setting one twice appends it again and moves the pointer.
// Writing past an area's last usable byte throws std::length_error: use PutBytes/PutPointer for
// deliberately odd layouts.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "rom/rom_image.h"

namespace orvane::testing {

using Bytes = std::vector<uint8_t>;

// Plain text as the built-in codes: letters, digits, the punctuation of the code table and the
// space; "[L_]", "[LS]", "[W_]", "[WS]" and escapes "{XX}" as their single codes. Anything else
// throws std::invalid_argument.
Bytes Codes(std::string_view text);

class RomFixture {
 public:
  RomFixture();

  // Dictionary entry for code 0x21..0x9F. The area is laid out as the writer lays it out: 127
  // pointers, the entries packed in code order (a length byte, then the bytes), one 0x00 behind the
  // last. An entry has no terminator of its own, so the next entry's length byte ends it.
  // All entries start out empty.
  void SetDictionaryEntry(uint8_t code, const Bytes& bytes);

  // Pointer-table strings; a 0x00 is written after the bytes.
  void SetText(int bank, int text, const Bytes& bytes);   // bank 1..21, text 1..TextCount
  void SetTitle(int index, const Bytes& bytes);           // 1..27
  void SetLocation(int index, const Bytes& bytes);        // 1..111
  void SetItemInfo(int index, const Bytes& bytes);        // 1..242
  void SetTechInfo(int index, const Bytes& bytes);        // 0..119
  // Lets item description `index` share the string of description `other`.
  void ShareItemInfo(int index, int other);

  // Fixed records, padded as the writer pads them: items and techniques with spaces (0xEF),
  // enemies with 0xFF. Longer names throw std::length_error. Records start out as 0xFF bytes
  // (items with symbol 0): empty item and enemy names, technique names of 11 spaces.
  void SetItem(int index, uint8_t symbol, const Bytes& name, uint8_t pad = 0xEF);  // 1..231
  void SetEnemy(int index, const Bytes& name, uint8_t pad = 0xFF);                 // 0..250
  void SetTech(int index, const Bytes& name, uint8_t pad = 0xEF);                  // 0..115

  // Raw access for layouts the setters do not make.
  void PutBytes(int32_t position, const Bytes& bytes);
  void PutPointer(int32_t position, int32_t target);
  // Cuts (or grows with zeros) the image to `size` bytes.
  void Resize(int32_t size);

  // Where pointers of the lists lie.
  static int32_t TextPointerPosition(int bank, int text);
  static int32_t DictionaryPointerPosition(uint8_t code);

  const RomImage& image() const { return rom_; }
  const std::vector<uint8_t>& bytes() const { return rom_.bytes(); }
  // Writes the image as a file (throws RunError when it cannot).
  void WriteTo(const std::string& path) const;

 private:
  // A data area with its next free byte and its last usable byte.
  struct Area {
    int32_t next;
    int32_t last;
  };
  // Writes bytes + 0x00 at the area's next free byte and points `pointerPosition` there.
  int32_t AppendString(Area& area, int32_t pointerPosition, const Bytes& bytes);
  void PutRecord(int32_t position, int32_t size, const Bytes& head, const Bytes& name, uint8_t pad);
  void LayOutDictionary();

  RomImage rom_;
  std::vector<Area> banks_;  // index 0 = bank 1
  std::vector<Bytes> dictionaryEntries_;  // index 0 = code 0x21
  Area titles_;
  Area locations_;
  Area itemInfos_;
  Area techInfos_;
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
  // path() + name.
  std::string file(const std::string& name) const { return path_ + name; }

 private:
  std::string path_;
};

}  // namespace orvane::testing
