// orvane-cli po-export: the project's texts as a PO file for CAT tools.

#include <charconv>
#include <cstdio>
#include <filesystem>

#include "cli_support.h"
#include "exchange/po_exchange.h"

namespace orvane::cli {

extern const Command kPoExportCommand;

namespace {

int RunPoExport(const std::vector<std::string>& args) {
  const auto parsed = ParseArgs(kPoExportCommand, args, {{"-o", "--only", "--bank"}, {}}, 1, {"-o"});
  if (!parsed) return kExitUsage;
  PoExportParams params;
  const std::string only = parsed->value("--only").value_or("");
  if (only == "dialogue")
    params.only = PoSelection::Dialogue;
  else if (only == "names")
    params.only = PoSelection::Names;
  else if (!only.empty())
    return UsageMistake(kPoExportCommand, "--only takes dialogue or names, not " + only);
  if (const auto bank = parsed->value("--bank")) {
    const auto [end, error] = std::from_chars(bank->data(), bank->data() + bank->size(), params.bank);
    if (error != std::errc() || end != bank->data() + bank->size() || params.bank < 1 || params.bank > kBankCount)
      return UsageMistake(kPoExportCommand, "--bank takes a bank number from 1 to 21, not " + *bank);
    if (params.only == PoSelection::Names) return UsageMistake(kPoExportCommand, "--bank holds dialogue, not names");
  }

  const std::string& project = parsed->positional[0];
  Document doc;
  if (!LoadProjectQuietly(doc, project)) return kExitFailed;
  params.projectName = std::filesystem::path(project).stem().string();
  return RunGuarded(kPoExportCommand, [&] {
    std::printf("%zu entries written\n", ExportPo(doc, *parsed->value("-o"), params));
    return kExitOk;
  });
}

}  // namespace

const Command kPoExportCommand{"po-export", "PROJECT.ovp -o texts.po [--only dialogue|names] [--bank N]",
                               "Writes the project's texts as a PO file for translation tools", &RunPoExport};

}  // namespace orvane::cli
