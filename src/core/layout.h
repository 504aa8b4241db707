#pragma once
// Fixed places of the game's texts in the ROM file. Offsets count from the first byte of the file,
// the 512-byte copier header included.

#include <array>
#include <cstdint>

namespace orvane {

class Document;

inline constexpr int32_t kHeaderSize = 0x200;
inline constexpr int32_t kHeaderCheckFirst = 38;   // bytes 38..118 of the header must be zero
inline constexpr int32_t kHeaderCheckLast = 118;

struct BankPlace {
  int32_t pointerTable;
  int32_t textCount;
  int32_t dataStart;
  int32_t dataEnd;
};

// Banks 1..21 in order (index 0 is bank 1).
inline constexpr std::array<BankPlace, 21> kBankPlaces{{
    {0x370200, 456, 0x370590, 0x374AB7},  {0x39B200, 444, 0x39B578, 0x39FC75},
    {0x3CBC00, 399, 0x3CBF1E, 0x3CFBCE},  {0x3F6D00, 186, 0x3F6E74, 0x3F85FF},
    {0x3F8600, 39, 0x3F864E, 0x3F8E02},   {0x3F5A60, 85, 0x3F5B0A, 0x3F6CFF},
    {0x18DF80, 254, 0x18E184, 0x1901BB},  {0x1EE500, 145, 0x1EE622, 0x1EFB6C},
    {0x1EC200, 187, 0x1EC376, 0x1EE4AF},  {0x384850, 247, 0x384E50, 0x3876D8},
    {0x384A50, 199, 0x3876D9, 0x3891FA},  {0x384C4E, 167, 0x3891FB, 0x38AC93},
    {0x374B00, 1203, 0x375466, 0x37FA6F}, {0x3F4660, 81, 0x3F4702, 0x3F5A5F},
    {0x3FD13B, 7, 0x3FD149, 0x3FD223},    {0x0EF111, 14, 0x0EF12D, 0x0EF1F1},
    {0x18D200, 78, 0x18D29C, 0x18DF25},   {0x36A200, 106, 0x36A2D4, 0x36B422},
    {0x36B430, 144, 0x36B550, 0x36CA13},  {0x0CCDCB, 226, 0x0CCF90, 0x0CDFC5},
    {0x3FD5FE, 50, 0x3FD663, 0x3FD761},
}};

// The most bytes one text can take: the largest bank's data area, larger than any other text area.
inline constexpr int32_t LargestTextArea() {
  int32_t largest = 0;
  for (const BankPlace& bank : kBankPlaces) largest = bank.dataEnd - bank.dataStart + 1 > largest
                                                          ? bank.dataEnd - bank.dataStart + 1 : largest;
  return largest;
}

// Dictionary: 127 pointers (codes 0x21..0x9F), then the entries from 0x1EFD00; 512 bytes of budget.
inline constexpr int32_t kDictionaryPointers = 0x1EFC00;
inline constexpr int32_t kDictionaryData = 0x1EFD00;
inline constexpr int32_t kDictionaryBudget = 512;
inline constexpr int32_t kDictionaryDataEnd = kDictionaryData + kDictionaryBudget - 1;  // last usable byte

// Savegame titles and locations (also held in the Document as its layout constants).
inline constexpr int32_t kTitelZeigerTabelle = 0x3FD23E;
inline constexpr int32_t kTitelAnzahl = 27;
inline constexpr int32_t kTitelDatenStart = 0x3FD274;
inline constexpr int32_t kTitelDatenEnde = 0x3FD495;  // not itself usable
inline constexpr int32_t kStadtZeigerStart = 0x6F602;
inline constexpr int32_t kStadtZeigerEnde = 0x6F6DE;
inline constexpr int32_t kStadtAnzahl = 111;
inline constexpr int32_t kStadtDatenStart = 0x6F201;
inline constexpr int32_t kStadtDatenEnde = 0x6F554;   // not itself usable

// Fixed-record tables: 11 bytes a record.
inline constexpr int32_t kRecordSize = 11;
inline constexpr int32_t kItemRecords = 0x0C0D69;        // items 1..231: symbol + 10 name bytes
inline constexpr int32_t kItemRecordsLast = 0x0C1755;
inline constexpr int32_t kEnemyRecords = 0x0C6700;       // enemies 0..250
inline constexpr int32_t kEnemyRecordsLast = 0x0C71C8;
inline constexpr int32_t kTechRecords = 0x0C17CF;        // techniques 0..115
inline constexpr int32_t kTechRecordsLast = 0x0C1CCA;

// Pointer-table descriptions.
inline constexpr int32_t kItemInfoPointers = 0x0C30B1;   // 242 pointers, to 0x0C3294
inline constexpr int32_t kItemInfoData = 0x0C3295;
inline constexpr int32_t kItemInfoDataLast = 0x0C38F3;   // last usable byte
inline constexpr int32_t kTechInfoPointers = 0x0C3C0B;   // 120 pointers, to 0x0C3CFA
inline constexpr int32_t kTechInfoData = 0x0C3D0E;
inline constexpr int32_t kTechInfoDataLast = 0x0C66FF;   // the byte before the enemy records

// The four line and window codes.
inline constexpr uint8_t kCodeLine = 0x05;         // "[L_]"
inline constexpr uint8_t kCodeLineIndent = 0x06;   // "[LS]"
inline constexpr uint8_t kCodeWindow = 0x0B;       // "[W_]"
inline constexpr uint8_t kCodeWindowIndent = 0x0C; // "[WS]"
inline constexpr uint8_t kCodeSpace = 0xEF;

// A full image: 4 MiB of game data behind the header.
inline constexpr int32_t kFullImageSize = 0x400000 + kHeaderSize;

// Puts the bank table and the title/location places into the document.
void FillLayoutConstants(Document& doc);

}  // namespace orvane
