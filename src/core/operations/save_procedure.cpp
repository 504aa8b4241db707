#include "operations/save_procedure.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <optional>

#include "common/file_helpers.h"
#include "common/run_error.h"
#include "compression/dictionary_budget.h"
#include "compression/optimizer.h"
#include "exchange/cartridge.h"
#include "operations/save_report.h"
#include "rom/game_check.h"
#include "rom/rom_loader.h"
#include "writer/write_context.h"
#include "writer/written_kind.h"

namespace orvane {

namespace fs = std::filesystem;

namespace {

// Fails the way opening `path` for writing would. A file without any write permission counts as
// read-only for everyone, as a read-only file does elsewhere, so not even root replaces it. Only a
// regular file of at most the largest image size is a ROM file to write.
void CheckWritable(const std::string& path) {
  CheckRegularFile(path, kLargestImage);
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (fs::exists(status)) {
    constexpr fs::perms kAnyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((status.permissions() & kAnyWrite) == fs::perms::none || ::access(path.c_str(), W_OK) != 0)
      throw MakeRunError(errors::kPermissionDenied);
    return;
  }
  const fs::path folder = fs::path(path).has_parent_path() ? fs::path(path).parent_path() : fs::path(".");
  if (!fs::is_directory(folder, ec)) throw MakeRunError(errors::kPathNotFound);
  if (::access(folder.c_str(), W_OK) != 0) throw MakeRunError(errors::kPermissionDenied);
}

// The chosen file's current bytes, or none for a new file.
std::vector<uint8_t> OpenOutput(const std::string& path) {
  CheckWritable(path);
  return FileExists(path) ? ReadWholeFile(path) : std::vector<uint8_t>{};
}

// The message that ends every save that stopped after the file was chosen; `why` goes first.
Message NothingWrittenMessage(const std::string& title, const std::string& target, bool existed,
                              const std::string& why = "") {
  return MakeMessage(title, why + "The save stopped, nothing was written: \"" + target + "\" " +
                                (existed ? "is unchanged." : "was not created."),
                     Icon::Information);
}

constexpr const char* kRomFilter = "SNES-Roms|*.smc;*.fig;*.sfc";

// One save: the output image, the writers' shared state and the way through the steps.
class SaveRun {
 public:
  SaveRun(Document& doc, const SaveParams& params, Prompter& prompter, ProgressSink& progress, ChangeSink& changes)
      : doc_(doc),
        params_(params),
        changes_(changes),
        prompter_(prompter),
        ctx_{.doc = doc, .image = image_, .prompter = prompter, .progress = progress, .overflows = {}} {}

  SaveOutcome Execute(FileChooser& chooser, SavedRom* saved);

 private:
  enum class Step { Done, Skipped, Stop };

  // Runs one unit of the save; a run-time error asks "Continue program?": Yes skips the unit,
  // No ends the save.
  template <class F>
  Step Guarded(F&& unit) {
    try {
      unit();
      return Step::Done;
    } catch (const RunError& error) {
      return ctx_.AskContinue(error) ? Step::Skipped : Step::Stop;
    } catch (const std::bad_alloc&) {
      return ctx_.AskContinue(MakeRunError(errors::kOutOfMemory)) ? Step::Skipped : Step::Stop;
    }
  }

  double Now() const { return params_.clock ? params_.clock() : SteadySeconds(); }
  bool CopyIntoMemory(const std::string& source, std::vector<uint8_t>& bytes);
  bool UsableBase(const std::string& path, const std::vector<uint8_t>& bytes);
  bool AcceptedAsGame(const std::string& basePath);
  bool Optimize();
  bool WriteAll();

  Document& doc_;
  const SaveParams& params_;
  ChangeSink& changes_;
  Prompter& prompter_;
  RomImage image_;
  WriteContext ctx_;
};

SaveOutcome SaveRun::Execute(FileChooser& chooser, SavedRom* saved) {
  const std::optional<std::string> chosen =
      chooser.choose(FileRequest{"In Rom Speichern...", kRomFilter, "", true, false});
  if (!chosen || chosen->empty()) return SaveOutcome::Cancelled;
  const std::string& target = *chosen;
  const bool replaces = FileExists(target);
  std::error_code same;
  const std::string& loaded = params_.RomPfadGeladen;
  if (params_.confirmReplace && replaces && !(FileExists(loaded) && fs::equivalent(target, loaded, same))) {
    Message question = MakeMessage(params_.programName,
                                   target + " already exists." + kCrLf + "Do you want to replace it?",
                                   Icon::Exclamation, Buttons::YesNo);
    question.defaultAnswer = Answer::No;
    if (prompter_.ask(question) != Answer::Yes) return SaveOutcome::Cancelled;
  }
  std::error_code ec;
  const bool existed = fs::exists(target, ec);
  const auto stopped = [&](const std::string& why = "") {
    prompter_.ask(NothingWrittenMessage(params_.programName, target, existed, why));
    return SaveOutcome::Stopped;
  };

  // A new name starts as a copy of a ROM of the game, made in memory: the loaded one, or without one
  // the one the user picks, taken only as loading would take it. The texts alone are no ROM, so a new
  // file is never made of them. The file and its folders appear only when the save completes.
  const bool copied = !existed;
  std::string source = copied ? params_.RomPfadGeladen : target;
  std::vector<uint8_t> base;
  if (copied && source.empty()) {
    const std::optional<std::string> picked =
        chooser.choose(FileRequest{"Choose the ROM to start from", kRomFilter, "", false, false});
    if (!picked || picked->empty())
      return stopped("A new ROM file starts as a copy of the game's ROM, and none was chosen to start from. ");
    source = *picked;
    if (!CopyIntoMemory(source, base) || !UsableBase(source, base)) return stopped();
  } else if (copied) {
    if (!CopyIntoMemory(source, base)) return stopped();
  } else if (Guarded([&] { base = OpenOutput(target); }) == Step::Stop) {
    return stopped();
  }
  // A file of neither size is taken as headed, as files always were before plain images.
  const ImageKind baseKind = base.empty() ? KindForName(target).value_or(ImageKind::Headed)
                                          : KindForSize(base.size()).value_or(ImageKind::Headed);
  const std::optional<ImageKind> kind =
      ChooseWrittenKind(baseKind, target, copied, params_.writtenKind, prompter_, params_.programName);
  if (!kind) return SaveOutcome::Cancelled;
  const bool hadBytes = !base.empty();
  image_ = RomImage(ToHeldImage(std::move(base), baseKind));
  if (hadBytes && !AcceptedAsGame(source)) return SaveOutcome::Cancelled;

  // Nothing is written when the dictionary could not be settled, so the file stays as it is.
  if (!Optimize()) return stopped();

  BerechneMaxLaengen(doc_);
  ctx_.progressTotal = SaveProgressTotal(doc_);
  doc_.Kodiertabelle = doc_.Tabelle[1];
  ctx_.progress.caption("Writing Tabel into Rom...");
  const double start = Now();

  if (!WriteAll()) return stopped();
  const bool checksumFixed = params_.fixChecksum && FixCartridgeChecksum(image_.bytes());
  FileWrite written = FileWrite::Replaced;
  const Step commit = Guarded([&] {
    if (copied && fs::path(target).has_parent_path()) fs::create_directories(fs::path(target).parent_path(), ec);
    CheckWritable(target);
    if (replaces && params_.keepBackup) WriteFileAtomically(target + ".bak", ReadWholeFile(target));
    written = WriteFileAtomically(target, ToFileImage(image_.bytes(), *kind));
  });
  // A file that could not be replaced holds none of this save: no success report, and the
  // texts still count as unsaved.
  if (commit != Step::Done) return stopped();

  // The report of success waits for the read-back, which decides what "saved" means for the texts.
  std::vector<ReadBackRow> readBack = ReadBack(doc_, image_);
  // A clock that was set back in the meantime makes no negative time.
  prompter_.ask(FinishedMessage(std::max(0.0, Now() - start), readBack.size(), params_.readBackListed));
  prompter_.ask(InfoMessage(ctx_));
  if (!ctx_.overflows.empty()) prompter_.ask(OverflowMessage(ctx_.overflows));
  const bool inPlace = written == FileWrite::InPlace;
  if (inPlace)
    prompter_.ask(MakeMessage(params_.programName,
                              "The folder of \"" + target + "\" cannot be written, so the file was overwritten in "
                              "place instead of being replaced.", Icon::Information));
  if (saved) *saved = SavedRom{target, std::move(readBack), checksumFixed, ctx_.overflows, inPlace};
  return SaveOutcome::Finished;
}

// The refusals of "Load Rom" for a ROM picked to start from, each naming the file.
bool SaveRun::UsableBase(const std::string& path, const std::vector<uint8_t>& bytes) {
  const std::optional<ImageKind> kind = KindForSize(bytes.size());
  if (!kind) {
    prompter_.ask(SizeRefusal(path, bytes.size()));
    return false;
  }
  if (*kind == ImageKind::Headed && !HasCopierHeader(bytes)) {
    prompter_.ask(MakeMessage("Bad Rom!!!",
                              "\"" + path + "\" is as long as an image with a copier header, but what stands in "
                              "front of the image is no copier header (its bytes 38 to 118 are not all zero).",
                              Icon::Stop));
    return false;
  }
  return true;
}

bool SaveRun::CopyIntoMemory(const std::string& source, std::vector<uint8_t>& bytes) {
  try {
    bytes = ReadWholeFile(source);
    return true;
  } catch (const RunError&) {
    prompter_.ask(MakeMessage(params_.programName, "Couldn't copy file \"" + source + "\""));
    return false;
  }
}

// An image that does not look like the game's is written only when the user says so, once: opening
// it anyway counts for the loaded ROM itself.
bool SaveRun::AcceptedAsGame(const std::string& basePath) {
  const std::string problem = GameImageProblem(image_);
  if (problem.empty() || (params_.foreignAccepted && SameFile(basePath, params_.RomPfadGeladen))) return true;
  return prompter_.ask(ForeignImageQuestion(problem, "Write into it anyway?")) == Answer::Yes;
}

bool SaveRun::Optimize() {
  if (doc_.TabelleGeaendert) return true;
  bool found = false;
  const uint64_t seed = params_.seed != 0 ? params_.seed : ClockSeed();
  // The optimizer works on the document in place; what it leaves is handed on as one change.
  DocumentChange optimized("Optimize dictionary");
  const std::vector<std::string> before = ReadDictionary(doc_);
  const Step step = Guarded([&] { found = SucheBesteKompression(doc_, ctx_.progress, prompter_, seed); });
  const bool settled = step == Step::Done && found;
  optimized.setDictionary(doc_, ReadDictionary(doc_), settled);
  StoreDictionary(doc_, before);
  changes_.Commit(std::move(optimized));
  if (step == Step::Skipped) return true;
  return settled;
}

bool SaveRun::WriteAll() {
  for (WriteResult (*writer)(WriteContext&) : {SchreibeWoerterbuch, SchreibeBanken, SchreibeNamenstabellen}) {
    WriteResult result = WriteResult::Finished;
    const Step step = Guarded([&] { result = writer(ctx_); });
    if (step == Step::Stop || result == WriteResult::Stopped) return false;
  }
  return true;
}

}  // namespace

SaveOutcome SaveInRom(Document& doc, const SaveParams& params, Prompter& prompter, ProgressSink& progress,
                      FileChooser& chooser, ChangeSink& changes, SavedRom* saved) {
  if (params.OhneOptimierWarnung == 0 && !doc.TabelleGeaendert) {
    const Message warning =
        MakeMessage("Warning!!!", "The compression should be optimized to avoid errors. Continue anyway?", Icon::None,
                    Buttons::OkCancel);
    if (prompter.ask(warning) != Answer::Ok) return SaveOutcome::Cancelled;
  }
  SaveRun run(doc, params, prompter, progress, changes);
  const SaveOutcome outcome = run.Execute(chooser, saved);
  progress.caption("");
  return outcome;
}

double SteadySeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace orvane
