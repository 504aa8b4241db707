// orvane-cli similar: the translated texts whose original reads almost like the given text's.

#include <cstdio>

#include "cli_support.h"
#include "common/cp1252.h"
#include "progress/similar_texts.h"

namespace orvane::cli {

extern const Command kSimilarCommand;

namespace {

int RunSimilar(const std::vector<std::string>& args) {
  const auto parsed = ParseArgs(kSimilarCommand, args, {{"--bank", "--text", "--min", "--max"}, {}}, 1,
                                {"--bank", "--text"});
  if (!parsed) return kExitUsage;
  const std::optional<int32_t> bank = BankOption(kSimilarCommand, *parsed);
  if (!bank) return kExitUsage;
  const auto least = ParseNumber<double>(parsed->value("--min").value_or("0.70"));
  if (!least || *least < 0 || *least > 1)
    return UsageMistake(kSimilarCommand, "--min takes a score from 0 to 1, not " + *parsed->value("--min"));
  const auto most = ParseNumber<int>(parsed->value("--max").value_or("3"));
  if (!most || *most < 1) return UsageMistake(kSimilarCommand, "--max takes a count of 1 or more, not " + *parsed->value("--max"));
  Document doc;
  if (!LoadProjectQuietly(doc, parsed->positional[0])) return kExitFailed;
  const auto text = ParseNumber<int32_t>(*parsed->value("--text"));
  if (!text || *text < 1 || *text > doc.BankInfo[*bank].TextCount)
    return UsageMistake(kSimilarCommand, "bank " + std::to_string(*bank) + " has texts 1 to " +
                                             std::to_string(doc.BankInfo[*bank].TextCount) + ", not " +
                                             *parsed->value("--text"));
  for (const SimilarText& found : SimilarTexts(doc).find(doc, *bank, *text, *least, static_cast<size_t>(*most))) {
    const TextPaar& pair = doc.Texte[found.place.bank][found.place.index];
    std::printf("%.2f %s: %s\n", found.score, PlaceName(found.place).c_str(),
                Cp1252ToUtf8(pair.Original + " => " + pair.Aktuell).c_str());
  }
  return kExitOk;
}

}  // namespace

const Command kSimilarCommand{"similar", "PROJECT.ovp --bank B --text T [--min 0.70] [--max 3]",
                              "Lists the translated texts whose original is most like that of text T of bank B",
                              &RunSimilar};

}  // namespace orvane::cli
