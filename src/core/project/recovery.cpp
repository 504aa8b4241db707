#include "project/recovery.h"

#include <charconv>
#include <filesystem>

#include "common/file_helpers.h"
#include "common/run_error.h"
#include "project/companion_file.h"
#include "project/project_file.h"

namespace orvane {

namespace {

namespace fs = std::filesystem;

// The record: this line, the time written, then the original path up to the final line end. The
// path stays bytes as the system gave them, so no encoding can change it.
constexpr std::string_view kRecordHeader = "Orvane Texteditor recovery 1\n";
constexpr uint64_t kLargestRecord = 64 << 10;

std::string RecordText(const RecoveryCopy& copy) {
  return std::string(kRecordHeader) + std::to_string(copy.writtenAt) + "\n" + copy.originalPath + "\n";
}

std::optional<RecoveryCopy> ReadRecord(const fs::path& record) {
  std::vector<uint8_t> bytes;
  try {
    bytes = ReadWholeFile(record.string(), kLargestRecord);
  } catch (const RunError&) {
    return std::nullopt;
  }
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (!text.starts_with(kRecordHeader) || !text.ends_with('\n')) return std::nullopt;
  const std::string_view rest = text.substr(kRecordHeader.size());
  const size_t lf = rest.find('\n');
  if (lf == std::string_view::npos || lf + 1 == rest.size()) return std::nullopt;
  RecoveryCopy copy;
  const auto [end, error] = std::from_chars(rest.data(), rest.data() + lf, copy.writtenAt);
  if (error != std::errc() || end != rest.data() + lf) return std::nullopt;
  copy.originalPath = rest.substr(lf + 1, rest.size() - lf - 2);
  copy.projectFile = fs::path(record).replace_extension(".ovp").string();
  return copy;
}

// Answers every message of a load the way that stops it, and keeps the first as the reason.
class FirstProblem : public Prompter {
 public:
  Answer ask(const Message& message) override {
    if (!problem_) problem_ = message;
    switch (message.buttons) {
      case Buttons::Ok: return Answer::Ok;
      case Buttons::YesNo: return Answer::No;
      case Buttons::OkCancel:
      case Buttons::YesNoCancel: break;
    }
    return Answer::Cancel;
  }
  // "Error Nr. 62: Input past end of file (line 40 of the project file)"
  std::optional<std::string> reason() const {
    if (!problem_) return std::nullopt;
    std::string reason = problem_->text.substr(0, problem_->text.find(kCrLf));
    if (reason.ends_with('.')) reason.pop_back();  // the refusal ends the sentence itself
    if (problem_->title.starts_with("Error Nr.")) reason = problem_->title + ": " + reason;
    if (!problem_->place.empty()) reason += " (" + problem_->place + ")";
    return reason;
  }

 private:
  std::optional<Message> problem_;
};

}  // namespace

std::string RecoveryRecordPath(const std::string& projectFile) {
  return fs::path(projectFile).replace_extension(".ovr").string();
}

std::string FreeRecoveryFile(const std::string& folder, const std::string& projectPath) {
  const std::string name = projectPath.empty() ? "Untitled" : fs::path(projectPath).stem().string();
  for (int n = 1;; ++n) {
    const fs::path file = fs::path(folder) / ((n == 1 ? name : name + "-" + std::to_string(n)) + ".ovp");
    if (!FileExists(file.string()) && !FileExists(RecoveryRecordPath(file.string()))) return file.string();
  }
}

RecoveryFiles PrepareRecoveryCopy(const Document& doc, const std::string& projectFile,
                                  const std::string& originalPath, int64_t writtenAt) {
  RecoveryFiles files;
  files.copy = {projectFile, originalPath, writtenAt};
  SilentProgress silent;
  files.project = ProjectText(doc, silent);
  files.progress = CompanionText(doc);
  files.record = RecordText(files.copy);
  return files;
}

void WriteRecoveryFiles(const RecoveryFiles& files) {
  const RecoveryCopy& copy = files.copy;
  const std::string companion = CompanionPath(copy.projectFile);
  const std::string record = RecoveryRecordPath(copy.projectFile);
  if (!copy.originalPath.empty()) {
    for (const std::string& own : {copy.originalPath, CompanionPath(copy.originalPath)})
      for (const std::string& target : {copy.projectFile, companion, record})
        if (SameFile(target, own))
          throw MakeRunError(errors::kPathAccess, "the recovery copy " + target + " would replace the project's " + own);
  }
  const fs::path folder = fs::path(copy.projectFile).parent_path();
  std::error_code failed;
  fs::create_directories(folder, failed);
  if (failed) throw MakeRunError(errors::kPathNotFound, folder.string());

  const auto bytes = [](const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); };
  FileReplacement replacement;
  replacement.Prepare(copy.projectFile, bytes(files.project));
  replacement.Prepare(companion, bytes(files.progress));
  // The record last: a copy is only found once its project is complete.
  replacement.Prepare(record, bytes(files.record));
  replacement.Commit();
}

std::optional<RecoveryCopy> FindRecoveryCopy(const std::string& folder) {
  std::optional<RecoveryCopy> newest;
  std::error_code failed;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, failed)) {
    if (entry.path().extension() != ".ovr") continue;
    const std::optional<RecoveryCopy> copy = ReadRecord(entry.path());
    if (copy && (!newest || copy->writtenAt > newest->writtenAt)) newest = copy;
  }
  return newest;
}

bool LoadRecoveryCopy(Document& doc, const RecoveryCopy& copy, Prompter& prompter) {
  Document loaded = doc;
  FirstProblem problems;
  SilentProgress silent;
  const ProjectOutcome outcome = LoadProjectFile(loaded, copy.projectFile, problems, silent);
  std::optional<std::string> reason = problems.reason();
  if (!reason && outcome != ProjectOutcome::Done) reason = "it ends early";
  if (reason) {
    prompter.ask(MakeMessage("Error!",
                             "The recovery copy " + copy.projectFile + " could not be read: " + *reason + "." + kCrLf +
                                 "It stays where it is; the document was not changed.",
                             Icon::Stop));
    return false;
  }
  doc = std::move(loaded);
  return true;
}

void RemoveRecoveryCopy(const RecoveryCopy& copy) {
  std::error_code ignored;
  for (const std::string& file : {copy.projectFile, CompanionPath(copy.projectFile), RecoveryRecordPath(copy.projectFile)})
    fs::remove(file, ignored);
}

}  // namespace orvane
