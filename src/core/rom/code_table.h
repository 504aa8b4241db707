#pragma once
// Column 1 of the decode table as the program builds it in: letters, digits, punctuation, the
// character names and the four line and window codes; the rest of the codes get escapes.

#include "document.h"

namespace orvane {

// Fills column 1 with the built-in texts and columns 1 and 2 with "[L_]", "[LS]", "[W_]", "[WS]".
// Other codes are left as they are.
void PutBuiltInCodes(Document& doc);

// TabelleErgaenzen: every code 0x00..0xFE whose column-1 text is empty gets its escape "{XX}".
void TabelleErgaenzen(Document& doc);

// The built-in text of a code ("" for codes without one, the dictionary codes included).
const std::string& BuiltInText(uint8_t code);

}  // namespace orvane
