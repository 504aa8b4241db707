// orvane-cli po-export: the project's texts as a PO file for CAT tools.

#include <cstdio>
#include <filesystem>
#include <regex>

#include "cli_support.h"
#include "exchange/po_exchange.h"
#include "project/companion_file.h"

namespace orvane::cli {

extern const Command kPoExportCommand;

namespace {

int RunPoExport(const std::vector<std::string>& args) {
  const auto parsed = ParseArgs(kPoExportCommand, args, {{"-o", "--only", "--bank", "--lang"}, {}}, 1, {"-o"});
  if (!parsed) return kExitUsage;
  PoExportParams params;
  const std::string only = parsed->value("--only").value_or("");
  if (only == "dialogue")
    params.only = PoSelection::Dialogue;
  else if (only == "names")
    params.only = PoSelection::Names;
  else if (!only.empty())
    return UsageMistake(kPoExportCommand, "--only takes dialogue or names, not " + only);
  // A language as gettext names it: "de", "pt_BR", "sr@latin".
  params.language = parsed->value("--lang").value_or("");
  static const std::regex kLanguage("[a-z]{2,3}(_[A-Z]{2})?(@[a-z]+)?");
  if (!params.language.empty() && !std::regex_match(params.language, kLanguage))
    return UsageMistake(kPoExportCommand, "--lang takes a language code such as de or pt_BR, not " + params.language);
  const std::optional<int32_t> bank = BankOption(kPoExportCommand, *parsed);
  if (!bank) return kExitUsage;
  params.bank = *bank;
  if (params.bank != 0 && params.only == PoSelection::Names)
    return UsageMistake(kPoExportCommand, "--bank holds dialogue, not names");

  const std::string& project = parsed->positional[0];
  const NamedFile out{"-o", *parsed->value("-o")};
  if (RefuseSameFiles(kPoExportCommand,
                      {{out, {"PROJECT", project}}, {out, {"the progress file of PROJECT", CompanionPath(project)}}}))
    return kExitUsage;
  Document doc;
  if (!LoadProjectQuietly(doc, project)) return kExitFailed;
  params.projectName = std::filesystem::path(project).stem().string();
  return RunGuarded(kPoExportCommand, [&] {
    std::printf("%zu entries written\n", ExportPo(doc, *parsed->value("-o"), params));
    return kExitOk;
  });
}

}  // namespace

const Command kPoExportCommand{"po-export", "PROJECT.ovp -o texts.po [--only dialogue|names] [--bank N] [--lang LL]",
                               "Writes the project's texts as a PO file for translation tools", &RunPoExport};

}  // namespace orvane::cli
