// orvane-cli po-import: the translations of a PO file into a project, every entry checked first.

#include <cstdio>
#include <filesystem>

#include "cli_support.h"
#include "terminal_progress.h"
#include "exchange/po_exchange.h"
#include "project/project_file.h"

namespace orvane::cli {

extern const Command kPoImportCommand;

namespace {

int Import(Document& doc, const std::string& poPath, const std::string& out, bool partial);

int RunPoImport(const std::vector<std::string>& args) {
  const auto parsed = ParseArgs(kPoImportCommand, args, {{"-o"}, {"--partial"}}, 2, {"-o"});
  if (!parsed) return kExitUsage;
  const std::string& poPath = parsed->positional[1];
  if (RefuseSameFiles(kPoImportCommand, ProjectOutputApart(*parsed->value("-o"), {{"texts.po", poPath}},
                                                           {"PROJECT", parsed->positional[0]})))
    return kExitUsage;
  Document doc;
  if (!LoadProjectQuietly(doc, parsed->positional[0])) return kExitFailed;

  return RunGuarded(kPoImportCommand,
                    [&] { return Import(doc, poPath, *parsed->value("-o"), parsed->flag("--partial")); });
}

int Import(Document& doc, const std::string& poPath, const std::string& out, bool partial) {
  const PoImportPlan plan = PlanPoImport(doc, poPath);
  const std::string name = std::filesystem::path(poPath).filename().string();
  for (const PoFinding& finding : plan.findings)
    std::fprintf(stderr, "%s\n", ShownUtf8(FindingLine(name, finding)).c_str());
  if (plan.fileRefused) return Fail(kPoImportCommand, "nothing was written: the file cannot be imported");
  if (!plan.findings.empty() && !partial)
    return Fail(kPoImportCommand, "nothing was written: " + std::to_string(plan.refused) +
                                      " refused (--partial writes the others)");
  if (plan.changes.empty()) {
    std::printf("%s\n", ImportSummary(plan).c_str());
    return Fail(kPoImportCommand, "nothing was imported, nothing was written");
  }

  PoImportChange(doc, plan).apply(doc);
  StderrPrompter prompter(Answer::No);
  TerminalProgress progress("orvane-cli po-import");
  if (SaveProjectFile(doc, out, prompter, progress) != ProjectOutcome::Done) return kExitFailed;
  std::printf("%s\n", ImportSummary(plan).c_str());
  return kExitOk;
}

}  // namespace

const Command kPoImportCommand{
    "po-import", "PROJECT.ovp texts.po -o OUT.ovp [--partial]",
    "Writes the translations of a PO file into a project (all or, with --partial, the good ones)", &RunPoImport};

}  // namespace orvane::cli
