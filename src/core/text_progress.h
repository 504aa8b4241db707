#pragma once
// What a team needs beside the texts themselves: a status and a note per dialogue text, the
// project's own word list for spelling, and the names as they came from the ROM, so that a renamed
// name is known, and the glossary's terms. The project file never holds any of it; the companion file beside it does.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "glossary_term.h"
#include "text_status.h"

namespace orvane {

struct TextProgress {
  TextStatus status = TextStatus::Untranslated;
  std::string note;  // 8-bit like the texts
};

struct TranslationProgress {
  std::vector<std::vector<TextProgress>> texts;   // [bank][text], shaped like Document::Texte
  std::set<std::string> words;                    // accepted by the spelling check, 8-bit
  std::map<std::string, std::string> nameOriginals;  // by place name ("item 17 name")
  std::vector<GlossaryTerm> glossary;             // in the order the user keeps them
};

}  // namespace orvane
