#pragma once
// The one document every window and operation works on. Member names follow the program's domain
// vocabulary (Texte, Tabelle, BankInfo ...); all lists are fixed-size and indexed as the game data is.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "image_kind.h"
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
  int32_t AktuelleBank = 1;
  int32_t AktuellerText = 1;

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

  // Files, choices and flags.
  std::string GewaehlteDatei;
  int16_t LadeOption = 0;  // 0 normal, 1 "edited with V 0.95", -1 nothing chosen
  std::string RomPfad;
  std::string RomPfadGeladen;
  LoadedImage loadedImage;  // the kind of RomPfadGeladen's file, and whether it was opened though foreign
  bool Geaendert = false;
  bool TabelleGeaendert = false;
  std::string Fenstertitel;

  // Settings and optimizer options (live for the process).
  int16_t OhneOptimierWarnung = 1;
  int16_t Einstellung2 = 4;
  uint8_t KomprimModus = 0;  // 0 accurate, 1 fast (2 smallest, an addition of ours)
  int32_t Suchtiefe = 0;
  bool OptionenBestaetigt = false;
  int32_t LetzterProzentwert = 0;

  // Statuses, notes, the word list and the names' originals: the companion file beside a project.
  TranslationProgress Progress;

  // Sum of TextCount over banks 1..21 (4717 with the game's bank table).
  int32_t TotalTextCount() const;
};

// "Orvane Texteditor V <major>.<minor>".
std::string MakeFenstertitel(int major, int minor);

}  // namespace orvane
