#pragma once
// Everything in the document that the next save would not write as typed, each with where it is
// and why: the rows of the editor's problems list.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/read_back.h"
#include "document.h"
#include "text_places.h"

namespace orvane {

enum class ProblemKind {
  Character,   // a character no table entry and no escape can write
  Escape,      // a brace group that is no escape, or a {00} inside a text
  Lines,       // more lines, or longer lines, than "Save" reads from the pane
  TooLong,     // a name or description over its limit
  Overflow,    // a bank or name area the texts do not fit into
  Dictionary,  // the dictionary over its budget, or an entry the writer leaves out
  ReadBack,    // a text the last written ROM does not give back as typed
};

struct ProblemRow {
  ProblemKind kind;
  std::optional<TextPlace> place;  // the text to show; nothing for the dictionary
  std::string where;               // "bank 3 text 12", "item 17 name", "dictionary"
  std::string reason;
};

// "Character", "Escape", "Lines", "Too long", "Overflow", "Dictionary", "Read-back".
std::string_view KindName(ProblemKind kind);

// The dictionary first, then the areas that overflow, then every text in the order of its place.
std::vector<ProblemRow> FindProblems(const Document& doc);

// The rows of a read-back check after a save.
std::vector<ProblemRow> ReadBackProblems(const Document& doc, const std::vector<ReadBackRow>& rows);

}  // namespace orvane
