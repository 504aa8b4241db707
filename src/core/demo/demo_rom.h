#pragma once
// The demo ROM: a full-size image with a clean copier header and a HiROM cartridge header with a
// correct checksum, whose every text area holds the demo document, compressed with the dictionary
// the accurate optimizer picks and laid out by the real writers. Made the same, byte for byte, on
// every run.

#include <cstdint>
#include <vector>

#include "document.h"

namespace orvane::demo {

// The demo document with its dictionary in codes 33..159 and escapes for the remaining codes, as
// a load of the demo ROM gives it back.
void MakeDemoDocument(Document& doc);

// Writes a document made by MakeDemoDocument into a zeroed full-size image with the real writers
// (which pad the item names in `doc`, as any save does), then the cartridge header. Throws std::logic_error if the demo
// texts ever stop fitting.
std::vector<uint8_t> WriteDemoRom(Document& doc);

// MakeDemoDocument, then WriteDemoRom: the image (kFullImageSize bytes).
std::vector<uint8_t> BuildDemoRom();

}  // namespace orvane::demo
