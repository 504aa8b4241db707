// orvane-cli terms: the translated texts that do not use the glossary's term.

#include <cstdio>

#include "cli_support.h"
#include "common/cp1252.h"
#include "check/glossary_terms.h"
#include "progress/glossary_csv.h"

namespace orvane::cli {

extern const Command kTermsCommand;

namespace {

int RunTerms(const std::vector<std::string>& args) {
  const auto parsed = ParseArgs(kTermsCommand, args, {{"--glossary"}, {}}, 1);
  if (!parsed) return kExitUsage;
  Document doc;
  if (!LoadProjectQuietly(doc, parsed->positional[0])) return kExitFailed;
  return RunGuarded(kTermsCommand, [&] {
    const std::vector<GlossaryTerm> glossary =
        parsed->value("--glossary") ? ReadGlossaryFile(*parsed->value("--glossary")) : doc.Progress.glossary;
    const std::vector<UnusedTerm> unused = FindUnusedTerms(doc, glossary);
    for (const UnusedTerm& row : unused)
      std::printf("%s\n", Cp1252ToUtf8(PlaceName(row.text) + ": \"" + row.term.source + "\" => \"" +
                                       row.term.target + "\"").c_str());
    return unused.empty() ? kExitOk : kExitFailed;
  });
}

}  // namespace

const Command kTermsCommand{"terms", "PROJECT.ovp [--glossary terms.csv]",
                            "Lists the translated texts that lack a glossary term's target (exit 1 when any)",
                            &RunTerms};

}  // namespace orvane::cli
