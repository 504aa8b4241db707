#pragma once
// The game's data every window and operation works on: texts, decode table, dictionary, name lists,
// their places and the companion data. Member names follow the program's domain vocabulary (Texte,
// Tabelle, BankInfo ...); all lists are fixed-size and indexed as the game data is. Paths and the
// modified state are the workspace's (workspace.h), settings are Settings (settings.h), and what a
// window shows is the window's; changes reach the document as DocumentChange values.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "text_progress.h"

namespace orvane {

struct BankRecord {
  int32_t PointerTable = 0;  // file offset of the bank's pointer table
  int32_t TextCount = 0;     // texts in the bank, numbered 1..TextCount
  int32_t DataStart = 0;     // first byte of the bank's text area
  int32_t DataEnd = 0;       // last byte the bank's texts may use (inclusive)
};

struct TextPaar {
  std::string Aktuell;   // working text, editor notation
  std::string Original;  // as decoded from the ROM or read from a project
};

struct ItemEintrag {
  std::string Name;
  uint8_t Symbol = 0;
};

// Sizes of the fixed lists.
inline constexpr int kBankSlots = 31;        // banks 0..30, 1..21 used
inline constexpr int kBankCount = 21;
inline constexpr int kTextSlots = 1251;      // texts 0..1250, 1..TextCount used
inline constexpr int kTableColumns = 3;      // column 0 unused
inline constexpr int kCodes = 256;
inline constexpr int kDictionaryFirst = 0x21;
inline constexpr int kDictionaryLast = 0x9F;
inline constexpr int kDictionaryEntries = kDictionaryLast - kDictionaryFirst + 1;  // 127

inline constexpr int kSaveTitleCount = 27;     // SpeicherNamen 1..27
inline constexpr int kLocationCount = 111;     // StadtNamen 1..111
inline constexpr int kItemCount = 231;         // Items 1..231
inline constexpr int kItemInfoCount = 242;     // ItemInfos 1..242 (0 kept too)
inline constexpr int kEnemyCount = 251;        // GegnerNamen 0..250
inline constexpr int kTechCount = 116;         // TechNamen 0..115
inline constexpr int kTechInfoCount = 120;     // TechBeschreibungen 0..119

using CodeTable = std::array<std::string, kCodes>;

class Document {
 public:
  Document();

  // Dialogue.
  std::array<BankRecord, kBankSlots> BankInfo{};
  std::vector<std::vector<TextPaar>> Texte;  // [bank 0..30][text 0..1250]

  // Decode table: Tabelle[column][code]; column 1 is built in plus the dictionary, column 2 the table file.
  std::array<CodeTable, kTableColumns> Tabelle{};
  std::array<uint8_t, kTableColumns> MaxEintragLaenge{};
  CodeTable Kodiertabelle{};

  // Name lists (editor notation).
  std::array<std::string, kSaveTitleCount + 1> SpeicherNamen{};
  std::array<std::string, kLocationCount + 1> StadtNamen{};
  std::array<ItemEintrag, kItemCount + 1> Items{};
  std::array<std::string, kItemInfoCount + 1> ItemInfos{};
  std::array<int32_t, kItemInfoCount + 1> ItemInfoAdressen{};
  std::array<std::string, kEnemyCount> GegnerNamen{};
  std::array<std::string, kTechCount> TechNamen{};
  std::array<std::string, kTechInfoCount> TechBeschreibungen{};

  // Places of the two pointer-table name lists that the writer bounds by their string areas.
  int32_t TitelZeigerTabelle = 0;
  int32_t TitelAnzahl = 0;
  int32_t TitelDatenStart = 0;
  int32_t TitelDatenEnde = 0;
  int32_t StadtZeigerStart = 0;
  int32_t StadtZeigerEnde = 0;
  int32_t StadtAnzahl = 0;
  int32_t StadtDatenStart = 0;
  int32_t StadtDatenEnde = 0;

  // The dictionary has been changed or optimized since the last load, so a ROM save need not
  // optimize it again.
  bool TabelleGeaendert = false;

  // Statuses, notes, the word list and the names' originals: the companion file beside a project.
  TranslationProgress Progress;

  // Sum of TextCount over banks 1..21 (4717 with the game's bank table).
  int32_t TotalTextCount() const;
};

}  // namespace orvane
