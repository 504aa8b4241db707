#pragma once
// The glossary as a spreadsheet sees it: UTF-8 CSV with the header line "source,target,note" and a
// record per term. What the game's character set cannot hold is refused, naming the line.

#include <string>
#include <string_view>
#include <vector>

#include "glossary_term.h"

namespace orvane {

std::string GlossaryCsv(const std::vector<GlossaryTerm>& terms);

// Throws std::runtime_error ("line 4: ...") on a wrong header, a record of other than two or three
// fields, an empty source term, or a character the texts cannot hold. A byte order mark is skipped.
std::vector<GlossaryTerm> GlossaryFromCsv(std::string_view utf8);

// The same with files. Throws std::runtime_error with the file's name in front ("terms.csv: line 4: ...").
std::vector<GlossaryTerm> ReadGlossaryFile(const std::string& path);
void WriteGlossaryFile(const std::string& path, const std::vector<GlossaryTerm>& terms);

}  // namespace orvane
