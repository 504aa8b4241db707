#pragma once
// The fixed lines of a project file and the numbers its progress display counts with.

#include <string_view>

#include "document.h"

namespace orvane::project {

inline constexpr std::string_view kHeader = "[Orvane Texteditor V 1.00]";
inline constexpr std::string_view kTables = "[TABELS]";
inline constexpr std::string_view kTexts = "[TEXTBLOCKS]";
inline constexpr std::string_view kSaveTitles = "[SAVETITLES]";
inline constexpr std::string_view kLocations = "[LOCATIONS]";
inline constexpr std::string_view kItems = "[ITEMS]";
inline constexpr std::string_view kItemInfo = "[ITEMINFO]";
inline constexpr std::string_view kEnemies = "[ENEMYS]";
inline constexpr std::string_view kMagic = "[MAGIC]";

inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr int kTableLines = 2 * (kCodes - 1);  // columns 1 and 2 of codes 1..255

// One progress unit per table line and one per text pair.
inline int ProgressTotal(const Document& doc) { return doc.TotalTextCount() + kTableLines; }

}  // namespace orvane::project
