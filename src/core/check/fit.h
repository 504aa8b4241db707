#pragma once
// How much room the document's texts take in each ROM area with the current dictionary, measured
// by the writers themselves on a scratch image: no file is written and the document is not touched.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document.h"
#include "writer/encoder.h"

namespace orvane {

struct AreaFit {
  std::string name;  // "dictionary", "bank 3", "save titles", "locations", "item infos"
  int64_t used = 0;
  int64_t capacity = 0;
  bool fits = true;
  int64_t free() const { return capacity - used; }
};

struct FitReport {
  AreaFit dictionary;
  std::vector<AreaFit> banks;      // banks 1..21
  std::vector<AreaFit> nameAreas;  // save titles, locations, item infos
  // Dialogue texts the writer could not encode: "bank 3 text 12: unknown character "_"".
  std::vector<std::string> unencodable;
  // Entries the writers would leave out or cut, as the save reports them.
  std::vector<std::string> overflowNotes;
  // Questions the writers would ask on the way, "title: text".
  std::vector<std::string> messages;
  bool Fits() const;
};

// The encoder the next save writes the dialogue with: column 1 of the table and its longest text,
// without the dictionary entries that would not fit into the dictionary area.
Encoder SaveEncoder(const Document& doc);

// Bytes one dialogue text takes in its bank: its codes and the closing 0x00. A text that cannot be
// encoded whole counts the codes before the failure.
int32_t DialogueTextBytes(const Encoder& encoder, std::string_view text);

// Every area as the next save would fill it.
FitReport MeasureFit(const Document& doc);

}  // namespace orvane
