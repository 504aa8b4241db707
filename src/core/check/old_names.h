#pragma once
// Renamed names followed into the dialogue: for every item, enemy, technique, location and
// savegame title whose working name differs from the name the ROM had, the dialogue texts whose
// original mentions the old name and whose working text still does, or does not mention the new
// one. Names are compared as whole words, ignoring case, without the blanks that pad a record or
// the star in front of a spell.

#include <string>
#include <vector>

#include "document.h"
#include "text_places.h"

namespace orvane {

struct OldNameUse {
  TextPlace name;  // the renamed name
  TextPlace text;  // the dialogue text
  std::string oldName;
  std::string newName;
  bool oldStillThere = false;  // else: the new name is missing
};

// In name place order, and for each name in text order.
std::vector<OldNameUse> FindOldNames(const Document& doc);

// The name as it is used in a sentence: without padding blanks, a leading star or escapes at either end.
std::string NameInText(std::string_view name);

// Whether the word stands in the text as a whole word (no letter or digit right before or after it);
// both are Lowered() already, as one of them is looked for many times.
bool MentionsLowered(std::string_view lowerText, std::string_view lowerWord);

// The text with its letters, the accented ones included, in lower case.
std::string Lowered(std::string_view text);

}  // namespace orvane
