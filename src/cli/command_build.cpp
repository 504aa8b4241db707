// orvane-cli build: loads a project file and writes it into a ROM file as "Save in Rom" does.

#include <cstdio>
#include <filesystem>

#include "cli_support.h"
#include "common/file_helpers.h"
#include "terminal_progress.h"
#include "exchange/patch.h"
#include "operations/save_procedure.h"
#include "project/companion_file.h"
#include "project/project_file.h"

namespace orvane::cli {

extern const Command kBuildCommand;

namespace {

// The save's questions answered from the command line: the space message by --on-overflow, the
// free-space report printed to stdout, everything else as the other commands do.
class BuildPrompter : public Prompter {
 public:
  BuildPrompter(Answer onOverflow, bool force) : onOverflow_(onOverflow), others_(Answer::No, force) {}

  Answer ask(const Message& message) override {
    if (message.title == "Info") {
      std::printf("%s\n", WithoutCarriageReturns(message.text).c_str());
      return Answer::Ok;
    }
    if (message.text.rfind("Not enough space to save this bank!", 0) == 0) {
      Message answered = message;
      answered.defaultAnswer = onOverflow_;
      return others_.ask(answered);
    }
    return others_.ask(message);
  }

 private:
  static std::string WithoutCarriageReturns(const std::string& text) {
    std::string out;
    for (char c : text)
      if (c != '\r') out += c;
    return out;
  }

  Answer onOverflow_;
  StderrPrompter others_;  // a run without a user stops at the first error
};

// The file as the build finds it: OUT itself, or the BASE it is copied from, or nothing yet.
std::vector<uint8_t> BytesBefore(const std::string& out, const std::string& base) {
  if (FileExists(out)) return ReadWholeFile(out);
  return FileExists(base) ? ReadWholeFile(base) : std::vector<uint8_t>{};
}

// The patch from the file before the build to the file it wrote.
int WritePatch(const std::string& patchPath, const std::vector<uint8_t>& before, const std::string& out) {
  return RunGuarded(kBuildCommand, [&] {
    WriteFileAtomically(patchPath, CreatePatch(PatchKindFor(patchPath), before, ReadWholeFile(out)));
    return kExitOk;
  });
}

int RunBuild(const std::vector<std::string>& args) {
  const OptionSpec options{{"-o", "--from", "--on-overflow", "--seed", "--patch", "--header"},
                           {"--keep-dictionary", "--fix-checksum", "--force"}};
  const auto parsed = ParseArgs(kBuildCommand, args, options, 1, {"-o"});
  if (!parsed) return kExitUsage;
  const std::string overflow = parsed->value("--on-overflow").value_or("stop");
  if (overflow != "skip" && overflow != "stop") {
    std::fprintf(stderr, "orvane-cli build: --on-overflow takes skip or stop, not %s\n", overflow.c_str());
    PrintUsage(kBuildCommand, stderr);
    return kExitUsage;
  }
  SaveParams params;
  if (const auto seed = parsed->value("--seed")) {
    const auto number = ParseNumber<decltype(params.seed)>(*seed);
    if (!number || *number == 0) {
      std::fprintf(stderr, "orvane-cli build: --seed takes a number from 1 up, not %s\n", seed->c_str());
      PrintUsage(kBuildCommand, stderr);
      return kExitUsage;
    }
    params.seed = *number;
  }

  if (const auto header = parsed->value("--header")) {
    if (*header != "add" && *header != "strip")
      return UsageMistake(kBuildCommand, "--header takes add or strip, not " + *header);
    params.writtenKind = *header == "add" ? ImageKind::Headed : ImageKind::Plain;
  }
  params.fixChecksum = parsed->flag("--fix-checksum");
  params.readBackListed = "listed below";
  // The project holds the texts only: a new OUT needs the ROM it starts from.
  std::error_code ec;
  if (!parsed->value("--from") && !std::filesystem::exists(*parsed->value("-o"), ec))
    return UsageMistake(kBuildCommand, *parsed->value("-o") + " does not exist yet: --from BASE.smc names the ROM "
                                       "it starts from");
  const NamedFile outFile{"-o", *parsed->value("-o")}, project{"PROJECT", parsed->positional[0]};
  const NamedFile patchFile{"--patch", parsed->value("--patch").value_or("")};
  const NamedFile progressFile{"the progress file of PROJECT", CompanionPath(project.path)};
  if (RefuseSameFiles(kBuildCommand, {{outFile, project}, {outFile, progressFile}, {patchFile, project},
                                      {patchFile, progressFile}, {patchFile, outFile},
                                      {patchFile, {"--from", parsed->value("--from").value_or("")}}}))
    return kExitUsage;

  Document doc;
  BuildPrompter prompter(overflow == "skip" ? Answer::Ok : Answer::Cancel, parsed->flag("--force"));
  TerminalProgress progress("orvane-cli build");
  if (LoadProjectFile(doc, parsed->positional[0], prompter, progress) != ProjectOutcome::Done) return kExitFailed;
  params.RomPfadGeladen = parsed->value("--from").value_or("");
  doc.TabelleGeaendert = parsed->flag("--keep-dictionary");

  const std::string out = *parsed->value("-o");
  const std::optional<std::string> patch = parsed->value("--patch");
  std::vector<uint8_t> before;
  if (patch) before = BytesBefore(out, params.RomPfadGeladen);
  GivenFile output(out);
  SavedRom saved;
  ApplyChanges changes(doc);
  const SaveOutcome outcome = SaveInRom(doc, params, prompter, progress, output, changes, &saved);
  if (outcome == SaveOutcome::Cancelled)
    return Fail(kBuildCommand, "nothing was written (--header add|strip gives OUT its kind, --force writes into an "
                               "image that does not look like the game's)");
  if (outcome != SaveOutcome::Finished) return kExitFailed;
  if (params.fixChecksum && !saved.checksumFixed)
    std::fprintf(stderr, "orvane-cli build: no cartridge header found, the checksum was not fixed\n");
  if (patch && WritePatch(*patch, before, out) != kExitOk) return kExitFailed;
  for (const ReadBackRow& row : saved.readBack) std::fprintf(stderr, "%s\n", ShownText(ReadBackLine(row)).c_str());
  // With stop, an entry the writers left out or cut (listed above by the save) fails the build too.
  const bool leftOut = overflow == "stop" && !saved.leftOut.empty();
  return saved.readBack.empty() && !leftOut ? kExitOk : kExitFailed;
}

}  // namespace

const Command kBuildCommand{
    "build",
    "PROJECT.ovp -o OUT.smc [--from BASE.smc] [--keep-dictionary] [--on-overflow skip|stop] [--seed S] "
    "[--fix-checksum] [--patch fix.bps|fix.ips] [--header add|strip] [--force]",
    "Writes a project into a ROM file as \"Save in Rom\" does (a new OUT needs --from: it starts as a copy of BASE), "
    "then reads it back",
    &RunBuild};

}  // namespace orvane::cli
