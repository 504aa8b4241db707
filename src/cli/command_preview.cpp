// orvane-cli preview: one dialogue text as the game shows it, window by window.

#include <cstdio>

#include "cli_support.h"
#include "common/cp1252.h"
#include "editors/game_window.h"

namespace orvane::cli {

extern const Command kPreviewCommand;

namespace {

int RunPreview(const std::vector<std::string>& args) {
  const auto parsed = ParseArgs(kPreviewCommand, args, {{"--bank", "--text"}, {}}, 1, {"--bank", "--text"});
  if (!parsed) return kExitUsage;
  const std::optional<int32_t> bank = BankOption(kPreviewCommand, *parsed);
  if (!bank) return kExitUsage;
  Document doc;
  if (!LoadProjectQuietly(doc, parsed->positional[0])) return kExitFailed;

  const std::string value = *parsed->value("--text");
  const int32_t count = doc.BankInfo[*bank].TextCount;
  const std::optional<int32_t> text = ParseNumber<int32_t>(value);
  if (!text || *text < 1 || *text > count)
    return UsageMistake(kPreviewCommand, "--text takes a text number from 1 to " + std::to_string(count) +
                                             " of bank " + std::to_string(*bank) + ", not " + value);
  const GameText shown = LayOutGameText(doc.Texte[*bank][*text].Aktuell);
  std::printf("%s", Cp1252ToUtf8(DrawWindows(shown)).c_str());
  return shown.Fits() ? kExitOk : kExitFailed;
}

}  // namespace

const Command kPreviewCommand{"preview", "PROJECT.ovp --bank B --text T",
                              "Draws a dialogue text's windows as the game shows them (exit 1 when a line or "
                              "window is too long)",
                              &RunPreview};

}  // namespace orvane::cli
