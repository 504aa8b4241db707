#include "compression/dictionary_budget.h"

#include "common/text_helpers.h"
#include "layout.h"

namespace orvane {

int32_t UsedMemory(std::span<const std::string> entries) {
  int32_t used = 0;
  for (const auto& entry : entries) used += static_cast<int32_t>(entry.size()) + 1;
  return used;
}

int32_t FreeMemory(int32_t used) { return kDictionaryBudget - used; }

bool OverBudget(int32_t used) { return used > kDictionaryBudget; }

std::string UsedMemoryLabel(int32_t used) {
  return "Used memory       :" + SignedLabelNumber(used) + " byte";
}

std::string FreeMemoryLabel(int32_t used) {
  return "Free                       :" + SignedLabelNumber(FreeMemory(used)) + " byte";
}

std::vector<std::string> ReadDictionary(const Document& doc) {
  return {doc.Tabelle[1].begin() + kDictionaryFirst, doc.Tabelle[1].begin() + kDictionaryLast + 1};
}

void StoreDictionary(Document& doc, std::span<const std::string> lines) {
  for (int code = kDictionaryFirst; code <= kDictionaryLast; ++code) {
    const size_t line = static_cast<size_t>(code - kDictionaryFirst);
    doc.Tabelle[1][code] = line < lines.size() ? lines[line] : std::string();
  }
}

DocumentChange SaveDictionary(const Document& doc, std::span<const std::string> lines) {
  std::vector<std::string> entries(lines.begin(), lines.end());
  entries.resize(kDictionaryEntries);
  DocumentChange change("Save dictionary");
  change.setDictionary(doc, std::move(entries), true);
  return change;
}

}  // namespace orvane
