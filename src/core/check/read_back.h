#pragma once
// The read-back check after a save: the written image is decoded again as "Load Rom" would and
// every dialogue text and name is compared with what the document holds. Differences the decoder
// always makes are no finding: an escape reads back as the text of its code ({1a} as {1A}, {A0} as
// "A", {FF} as nothing), a dictionary code reads as its letters, padding of fixed names reads as
// blanks or nothing, and a code whose entry is empty (as an empty dialogue text may be written)
// reads as whatever the decoder makes of an empty entry.

#include <string>
#include <vector>

#include "common/prompter.h"
#include "document.h"
#include "rom/rom_image.h"

namespace orvane {

struct ReadBackRow {
  std::string place;     // "bank 3 text 12"
  std::string expected;  // the text as the document holds it
  std::string read;      // as the image reads back
};

// Every text of `doc` that `image` does not give back.
std::vector<ReadBackRow> ReadBack(const Document& doc, const RomImage& image);

// The text a typed text reads back as when every code is written as typed: `written` is column 1
// of the save, `read` the column 1 decoded from the written image.
std::string ReadsBackAs(std::string_view text, const CodeTable& written, const CodeTable& read);

// "bank 3 text 12 reads back as "..." instead of "..."", one row a line.
std::string ReadBackLine(const ReadBackRow& row);

}  // namespace orvane
