#pragma once
// The spelling check of the project's texts: the words of each text (word splitter) that are not in
// the dictionary, not a character's name, not a word of any name list and not in the project's
// word list. Dialogue and the item and technique descriptions are checked; the names themselves
// are what the words are accepted from.

#include <string>
#include <unordered_set>
#include <vector>

#include "document.h"
#include "spelling/spell_checker.h"
#include "spelling/word_splitter.h"
#include "text_places.h"

namespace orvane {

struct Misspelling {
  TextPlace place;
  WordSpan span;  // in the working text
  std::string word;
};

class SpellingScan {
 public:
  // Takes the accepted words from `doc` as it stands now: build a new scan after names or the word
  // list changed.
  SpellingScan(const Document& doc, SpellChecker& checker);

  // The misspelled words of one text.
  std::vector<WordSpan> check(std::string_view text);
  // Every misspelled word of the checked texts in place order (with `bank`, that bank's dialogue only).
  std::vector<Misspelling> run(const Document& doc, int32_t bank = 0);

 private:
  bool accepted(const std::string& word) const;

  SpellChecker& checker_;
  std::unordered_set<std::string> accepted_;
};

}  // namespace orvane
