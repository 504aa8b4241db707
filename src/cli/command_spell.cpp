// orvane-cli spell: the misspelled words of a project, with suggestions.

#include <cstdio>

#include "cli_support.h"
#include "spelling/spelling_scan.h"

namespace orvane::cli {

extern const Command kSpellCommand;

namespace {

constexpr size_t kSuggestions = 3;

int RunSpell(const std::vector<std::string>& args) {
  const auto parsed = ParseArgs(kSpellCommand, args, {{"--lang", "--bank"}, {}}, 1);
  if (!parsed) return kExitUsage;
  const std::optional<int32_t> bank = BankOption(kSpellCommand, *parsed);
  if (!bank) return kExitUsage;
  Document doc;
  if (!LoadProjectQuietly(doc, parsed->positional[0])) return kExitFailed;
  return RunGuarded(kSpellCommand, [&] {
    const std::unique_ptr<SpellChecker> checker = OpenSpellChecker(parsed->value("--lang").value_or("en_US"));
    SpellingScan scan(doc, *checker);
    const std::vector<Misspelling> found = scan.run(doc, *bank);
    for (const Misspelling& miss : found) {
      std::string line = PlaceName(miss.place) + " at " + std::to_string(miss.span.start + 1) + ": " + miss.word;
      std::string suggested;
      for (const std::string& suggestion : checker->suggestions(miss.word, kSuggestions))
        suggested += (suggested.empty() ? "" : ", ") + suggestion;
      if (!suggested.empty()) line += " (" + suggested + ")";
      std::printf("%s\n", ShownText(line).c_str());
    }
    if (const std::optional<std::string> doubt = checker->doubt()) std::fprintf(stderr, "Warning: %s\n", doubt->c_str());
    return found.empty() ? kExitOk : kExitFailed;
  });
}

}  // namespace

const Command kSpellCommand{"spell", "PROJECT.ovp [--lang en_US] [--bank N]",
                            "Lists the misspelled words with up to three suggestions (exit 1 when any)", &RunSpell};

}  // namespace orvane::cli
