// Saving a project: the whole file is put together in memory and then replaces the target in one
// step, so a failed write never leaves half a project behind.

#include "common/error_question.h"
#include "common/file_helpers.h"
#include "common/run_error.h"
#include "common/text_helpers.h"
#include "project/companion_file.h"
#include "project/project_file.h"
#include "project/project_format.h"

namespace orvane {

namespace {

class LineWriter {
 public:
  LineWriter() { text_.reserve(1 << 19); }
  void line(std::string_view value) {
    text_.append(value);
    text_.append(project::kLineEnd);
  }
  template <typename List>
  void lines(const List& list, size_t first) {
    for (size_t i = first; i < list.size(); ++i) line(list[i]);
  }
  std::string text() && { return std::move(text_); }

 private:
  std::string text_;
};

// The project and its progress file as one: a failure before both are ready leaves both old files.
void SaveWithCompanion(const Document& doc, const std::string& path, const std::string& project) {
  const std::string companion = CompanionPath(path);
  if (SameFile(path, companion))
    throw MakeRunError(errors::kPathAccess, "the project would be its own progress file " + companion);
  const std::string progress = CompanionText(doc);
  FileReplacement files;
  files.Prepare(path, std::vector<uint8_t>(project.begin(), project.end()));
  files.Prepare(companion, std::vector<uint8_t>(progress.begin(), progress.end()));
  files.Commit();
}

}  // namespace

std::string ProjectText(const Document& doc, ProgressSink& progress) {
  const int32_t total = project::ProgressTotal(doc);
  int32_t done = 0;
  LineWriter out;
  out.line(project::kHeader);
  out.line("");

  progress.caption("Tabellen werden gesichert...");
  out.line(project::kTables);
  for (int code = 1; code < kCodes; ++code) {
    for (int column = 1; column <= 2; ++column) {
      out.line(doc.Tabelle[column][code]);
      progress.progress(++done, total);
    }
  }

  progress.caption("Dialoge werden gespeichert...");
  out.line(project::kTexts);
  for (int bank = 1; bank <= kBankCount; ++bank) {
    for (int t = 1; t <= doc.BankInfo[bank].TextCount; ++t) {
      out.line(doc.Texte[bank][t].Aktuell);
      out.line(doc.Texte[bank][t].Original);
      progress.progress(++done, total);
    }
  }
  out.line(project::kSaveTitles);
  out.lines(doc.SpeicherNamen, 1);
  progress.caption("");

  out.line(project::kLocations);
  out.lines(doc.StadtNamen, 1);
  out.line(project::kItems);
  for (int i = 1; i <= kItemCount; ++i) {
    out.line(doc.Items[i].Name);
    out.line(PrintedNumber(doc.Items[i].Symbol));
  }
  out.line(project::kItemInfo);
  out.lines(doc.ItemInfos, 0);
  out.line(project::kEnemies);
  out.lines(doc.GegnerNamen, 0);
  out.line(project::kMagic);
  out.lines(doc.TechNamen, 0);
  out.lines(doc.TechBeschreibungen, 0);
  return std::move(out).text();
}

ProjectOutcome SaveProjectFile(Document& doc, const std::string& path, Prompter& prompter,
                               ProgressSink& progress) {
  try {
    SaveWithCompanion(doc, path, ProjectText(doc, progress));
  } catch (const RunError& error) {
    // Whatever the answer, nothing was saved: the document keeps counting as changed.
    AskContinueAfterError(prompter, error);
    return ProjectOutcome::Stopped;
  }
  return ProjectOutcome::Done;
}

}  // namespace orvane
