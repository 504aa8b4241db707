#pragma once
// The texts and names two projects hold differently, for reviewing a teammate's work.

#include <string>
#include <vector>

#include "document.h"

namespace orvane {

struct TextChange {
  std::string place;   // "bank 3 text 12"
  std::string before;  // the working text in the first project
  std::string after;   // in the second
};

// In place order: dialogue first, then the name lists.
std::vector<TextChange> DiffProjects(const Document& before, const Document& after);

}  // namespace orvane
