#pragma once
// The dictionary's 512-byte budget as the dictionary window shows it. Every entry costs its length
// plus one length byte, empty entries included.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "document.h"
#include "document_change.h"

namespace orvane {

inline constexpr const char* kReservedMemoryLabel = "Memory reserved : 512 byte";

// BerechneBelegung: the sum of length + 1 over the entries.
int32_t UsedMemory(std::span<const std::string> entries);
// Budget minus used memory; negative once the budget is exceeded.
int32_t FreeMemory(int32_t used);
// The statistics turn red only beyond the budget; exactly 512 bytes is still fine.
bool OverBudget(int32_t used);

// "Used memory       : 381 byte" and "Free                       : 131 byte" ("-3" when negative).
std::string UsedMemoryLabel(int32_t used);
std::string FreeMemoryLabel(int32_t used);

// The 127 entries of codes 33..159 in code order, as the window's list starts.
std::vector<std::string> ReadDictionary(const Document& doc);
// Puts line code-33 into each code 33..159; lines missing from a shorter list become empty entries.
void StoreDictionary(Document& doc, std::span<const std::string> lines);
// TabSpeichern: the list stored as the dictionary, which then counts as settled.
DocumentChange SaveDictionary(const Document& doc, std::span<const std::string> lines);

}  // namespace orvane
