#include "check/glossary_terms.h"

#include "check/old_names.h"

namespace orvane {

namespace {

struct LoweredTerm {
  std::string source, target;
};

std::vector<LoweredTerm> LowerAll(const std::vector<GlossaryTerm>& glossary) {
  std::vector<LoweredTerm> lowered;
  for (const GlossaryTerm& term : glossary) lowered.push_back({Lowered(term.source), Lowered(term.target)});
  return lowered;
}

}  // namespace

std::vector<GlossaryTerm> TermsIn(const std::vector<GlossaryTerm>& glossary, std::string_view original) {
  std::vector<GlossaryTerm> terms;
  const std::string text = Lowered(original);
  for (const GlossaryTerm& term : glossary)
    if (MentionsLowered(text, Lowered(term.source))) terms.push_back(term);
  return terms;
}

std::vector<UnusedTerm> FindUnusedTerms(const Document& doc, const std::vector<GlossaryTerm>& glossary) {
  std::vector<UnusedTerm> unused;
  if (glossary.empty()) return unused;
  const std::vector<LoweredTerm> terms = LowerAll(glossary);
  for (const TextPlace& place : DialoguePlaces(doc)) {
    const TextPaar& pair = doc.Texte[place.bank][place.index];
    if (pair.Aktuell == pair.Original) continue;
    const std::string original = Lowered(pair.Original), working = Lowered(pair.Aktuell);
    for (size_t i = 0; i < terms.size(); ++i)
      if (!terms[i].target.empty() && MentionsLowered(original, terms[i].source) &&
          working.find(terms[i].target) == std::string::npos)
        unused.push_back({place, glossary[i]});
  }
  return unused;
}

}  // namespace orvane
