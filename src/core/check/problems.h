#pragma once
// Everything in the document that the next save would not write as typed, each with where it is
// and why: the rows of the editor's problems list. After them come the rows of advice, which never
// stop a save: renamed names still used in the dialogue, glossary terms not used, and misspelled words.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/read_back.h"
#include "document.h"
#include "spelling/spelling_scan.h"
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
  OldName,     // advice: a dialogue text that still uses a renamed name's old form, or lacks its new one
  TermNotUsed, // advice: a translated dialogue text without the glossary's target for a term of its original
  Spelling,    // advice: a word not in the dictionary, the names or the word list
};

struct ProblemRow {
  ProblemKind kind;
  std::optional<TextPlace> place;  // the text to show; nothing for the dictionary
  std::string where;               // "bank 3 text 12", "item 17 name", "dictionary"
  std::string reason;
};

// "Character", "Escape", "Lines", "Too long", "Overflow", "Dictionary", "Read-back", "Old name still
// used", "Term not used", "Spelling".
std::string_view KindName(ProblemKind kind);

// Rows of this kind only advise: the save writes the text as typed all the same.
bool IsAdvice(ProblemKind kind);

// The dictionary first, then the areas that overflow, then every text in the order of its place.
std::vector<ProblemRow> FindProblems(const Document& doc);

// The rows of a read-back check after a save.
std::vector<ProblemRow> ReadBackProblems(const Document& doc, const std::vector<ReadBackRow>& rows);

// Tells each row of a character without code where such a character gets one: `tableFile` is the
// table file's path, empty when none was found.
void AddTableFileAdvice(std::string_view tableFile, std::vector<ProblemRow>& rows);

// Appends the advice: every renamed name's uses in the dialogue (name by name, each in text order),
// the glossary's terms not used (in text order), then, with a `spelling` scan, every misspelled word of the dialogue and the descriptions.
void AddAdvice(const Document& doc, SpellingScan* spelling, std::vector<ProblemRow>& rows);

}  // namespace orvane
