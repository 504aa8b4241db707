#pragma once
// The demo document: every dialogue text and name list filled with the project's own sample
// texts, made the same way on every run. Each bank's texts are sized so that even written one
// code per character they would overrun the small banks by nothing and the large ones only by
// what the dictionary wins back.

#include <string>

#include "document.h"

namespace orvane::demo {

// Fills Texte (Aktuell and Original), the name lists, the item symbols, column 1 with the
// built-in codes and column 2 with the demo table file's mappings. The dictionary codes are
// left empty for the optimizer.
void FillDemoDocument(Document& doc);

// The demo's character table file: one "XX=text" line per letter, digit, punctuation mark,
// the space and the three dots, each ending with CR LF.
std::string DemoTableFile();

// How many characters the bank's texts may hold together, terminators included.
int32_t DemoBankBudget(const BankRecord& bank);

}  // namespace orvane::demo
