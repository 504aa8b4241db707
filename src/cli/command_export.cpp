// orvane-cli export: loads a ROM as "Load Rom" does and writes the project file as "Save Project" does.

#include "cli_support.h"
#include "common/file_helpers.h"
#include "common/progress_sink.h"
#include "project/project_file.h"
#include "rom/character_table.h"
#include "rom/rom_loader.h"

namespace orvane::cli {

extern const Command kExportCommand;

namespace {

int RunExport(const std::vector<std::string>& args) {
  const auto parsed = ParseArgs(kExportCommand, args, {{"-o", "--table"}, {"--edited-v095", "--force"}}, 1, {"-o"});
  if (!parsed) return kExitUsage;
  const std::string out = *parsed->value("-o");
  if (RefuseSameFiles(kExportCommand, ProjectOutputApart(out, {{"ROM", parsed->positional[0]},
                                                                {"--table", parsed->value("--table").value_or("")}})))
    return kExitUsage;

  Document doc;
  // A run without a user stops at the first error instead of going on past it.
  StderrPrompter prompter(Answer::No, parsed->flag("--force"));
  RomLoadParams params;
  params.choice = {parsed->positional[0], static_cast<int16_t>(parsed->flag("--edited-v095") ? 1 : 0)};
  params.programFolder = DataFolder(ProgramFolder());
  params.tablePath = parsed->value("--table").value_or("");
  Workspace workspace;
  const LoadOutcome loaded = RomLaden(doc, workspace, params, prompter);
  if (loaded == LoadOutcome::NotTheGame) return Fail(kExportCommand, "not opened (--force opens it anyway)");
  if (loaded != LoadOutcome::Loaded) return kExitFailed;

  SilentProgress progress;
  const ProjectOutcome saved = SaveProjectFile(doc, out, prompter, progress);
  return saved == ProjectOutcome::Done ? kExitOk : kExitFailed;
}

}  // namespace

const Command kExportCommand{"export", "ROM [--table FILE] [--edited-v095] [--force] -o OUT.ovp",
                             "Loads a ROM as \"Load Rom\" does and writes its project file", &RunExport};

}  // namespace orvane::cli
