#pragma once
// The glossary followed into the dialogue: which terms a text's original mentions, and the
// translated texts that do not use the agreed target term for them.

#include <string_view>
#include <vector>

#include "document.h"
#include "glossary_term.h"
#include "text_places.h"

namespace orvane {

// The terms whose source `original` mentions as whole words (a term of several words as that run of
// words), in any case; in glossary order.
std::vector<GlossaryTerm> TermsIn(const std::vector<GlossaryTerm>& glossary, std::string_view original);

struct UnusedTerm {
  TextPlace text;
  GlossaryTerm term;
};

// Every dialogue text with a translation (its working text is not its original) whose original
// mentions a term and whose working text lacks the term's target, in any case; in text order, each
// text's terms in glossary order.
std::vector<UnusedTerm> FindUnusedTerms(const Document& doc, const std::vector<GlossaryTerm>& glossary);

}  // namespace orvane
