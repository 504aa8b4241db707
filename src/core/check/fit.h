#pragma once
// How much room the document's texts take in each ROM area with the current dictionary, measured
// by the writers themselves on a scratch image: no file is written and the document is not touched.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document.h"
#include "writer/encoder.h"
#include "writer/write_context.h"

namespace orvane {

struct AreaFit {
  std::string name;  // "dictionary", "bank 3", "save titles", "locations", "item infos"
  int64_t used = 0;
  int64_t capacity = 0;
  bool fits = true;
  int64_t free() const { return capacity - used; }
};

// A dialogue text the bank writer could not encode whole.
struct TextFailure {
  TextPlace place;
  std::vector<std::string> pieces;  // what the table has no code for, each once
  std::string reason;               // "no code for "ü", "ä""
};

struct FitReport {
  AreaFit dictionary;
  std::vector<AreaFit> banks;      // banks 1..21
  std::vector<AreaFit> nameAreas;  // save titles, locations, item infos
  std::vector<TextFailure> unencodable;
  // Entries the writers would leave out or cut, as the save reports them.
  std::vector<OverflowNote> overflows;
  // Questions the writers would ask on the way, "title: text".
  std::vector<std::string> messages;
  bool Fits() const;
};

// The encoder the next save writes the dialogue with: column 1 of the table and its longest text,
// without the dictionary entries that would not fit into the dictionary area.
Encoder SaveEncoder(const Document& doc);

// Bytes one dialogue text takes in its bank: its codes and the closing 0x00. The pieces the table
// cannot write take nothing; the codes around them count.
int32_t DialogueTextBytes(const Encoder& encoder, std::string_view text);

// Every area as the next save would fill it.
FitReport MeasureFit(const Document& doc);

// One bank while its shown text is being typed. The sizes of the other texts are kept, so a
// keystroke encodes only the typed text. `doc` and `encoder` (SaveEncoder of the document) must
// outlive it; a change of the dictionary needs a new encoder and a new BankFit.
class BankFit {
 public:
  BankFit(const Document& doc, const Encoder& encoder, int32_t bank);

  struct Figures {
    int32_t textBytes = 0;  // the typed text, its 0x00 included
    int64_t used = 0;       // the whole bank with the typed text
    int64_t capacity = 0;
    int32_t changed = 0;    // texts of the bank that differ from their original
    int32_t texts = 0;
    // What the table cannot write: in the typed text and in the whole bank with it, each piece as
    // often as it occurs, the names once in the order of the texts.
    int32_t textUnwritable = 0;
    std::vector<std::string> textPieces;
    int32_t bankUnwritable = 0;
    std::vector<std::string> bankPieces;
    int64_t free() const { return capacity - used; }
  };
  // The bank's figures with `typed` (stored form) in place of text `text` (1-based).
  Figures With(int32_t text, std::string_view typed) const;
  // Takes the document's text `text` anew, after "Save" stored it.
  void Refresh(int32_t text);
  int32_t bank() const { return bank_; }

 private:
  bool Changed(int32_t text, std::string_view working) const;
  void Take(size_t i, std::string_view text);

  const Document& doc_;
  const Encoder& encoder_;
  int32_t bank_;
  int64_t capacity_;
  std::vector<int32_t> bytes_;  // per text, index text - 1
  std::vector<std::vector<std::string>> unwritable_;  // per text, every piece the table cannot write
  int32_t unwritableCount_ = 0;
  std::vector<bool> changedTexts_;
  int64_t used_ = 0;
  int32_t changed_ = 0;
};

}  // namespace orvane
