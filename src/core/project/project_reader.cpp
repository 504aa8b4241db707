// Loading a project: the file is read once into memory and walked line by line in one pass.

#include <optional>
#include <string_view>

#include "common/error_question.h"
#include "common/file_helpers.h"
#include "progress/translation_progress.h"
#include "project/companion_file.h"
#include "project/project_file.h"
#include "project/project_format.h"
#include "rom/code_table.h"

namespace orvane {

namespace {

// Lines end at LF; a CR right before it (or at the very end of the file) belongs to the line end.
// The last line needs no line end.
class LineSource {
 public:
  explicit LineSource(std::string_view data) : data_(data) {}

  std::optional<std::string_view> next() {
    ++number_;
    if (pos_ >= data_.size()) return std::nullopt;
    const size_t lf = data_.find('\n', pos_);
    const size_t end = lf == std::string_view::npos ? data_.size() : lf;
    std::string_view line = data_.substr(pos_, end - pos_);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    pos_ = lf == std::string_view::npos ? data_.size() : lf + 1;
    return line;
  }

 private:
  std::string_view data_;
  size_t pos_ = 0;
  size_t number_ = 0;

 public:
  // The line the last next() read or found missing, for messages: "line 12 of the project file".
  std::string place() const { return number_ ? "line " + std::to_string(number_) + " of the project file" : ""; }
};

// A symbol line: a number 0..255, blanks around it allowed.
std::optional<uint8_t> ParseSymbol(std::string_view line) {
  const size_t first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos) return std::nullopt;
  const size_t last = line.find_last_not_of(" \t");
  int value = 0;
  for (char c : line.substr(first, last + 1 - first)) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > 255) return std::nullopt;
  }
  return static_cast<uint8_t>(value);
}

// The file's first line decides before the rest is read: a file that is no project is refused
// without reading it whole, however large it is. Only a project is read whole, within its bound.
std::vector<uint8_t> ReadHeaderFirst(const std::string& path) {
  std::vector<uint8_t> start = ReadFileStart(path, project::kHeader.size() + 2);
  const auto line = LineSource(std::string_view(reinterpret_cast<const char*>(start.data()), start.size())).next();
  if (line != project::kHeader) return start;
  return ReadWholeFile(path, kLargestProject);
}

// Ends the load from deep inside: a No to the error question, a corrupt file, a wrong header.
struct LoadEnd {
  ProjectOutcome outcome;
};

class ProjectLoader {
 public:
  ProjectLoader(Document& doc, Prompter& prompter, ProgressSink& progress)
      : doc_(doc), prompter_(prompter), progress_(progress), total_(project::ProgressTotal(doc)) {}

  ProjectOutcome run(const std::string& path) {
    try {
      load(path);
      progress_.progress(0, total_);
      return ProjectOutcome::Done;
    } catch (const LoadEnd& end) {
      if (end.outcome == ProjectOutcome::Stopped) progress_.progress(0, total_);
      if (captionShown_) progress_.caption("");
      return end.outcome;
    }
  }

 private:
  void load(const std::string& path) {
    try {
      bytes_ = ReadHeaderFirst(path);
    } catch (const RunError& error) {
      ask(error);  // Yes: go on as with an empty file
    }
    lines_ = LineSource(std::string_view(reinterpret_cast<const char*>(bytes_.data()), bytes_.size()));

    for (int column = 1; column <= 2; ++column)
      for (std::string& entry : doc_.Tabelle[column]) entry.clear();

    std::string line;
    read(line);
    if (line != project::kHeader) {
      Message wrong = MakeMessage("Error!", "Wrong fileversion detected!", Icon::Stop, Buttons::Ok, true);
      wrong.place = lines_.place();
      prompter_.ask(wrong);
      throw LoadEnd{ProjectOutcome::WrongVersion};
    }
    read(line);
    read(line);

    showCaption("Loading Tablefile...");
    int32_t done = 0;
    for (int code = 1; code < kCodes; ++code) {
      for (int column = 1; column <= 2; ++column) {
        read(doc_.Tabelle[column][code]);
        progress_.progress(++done, total_);
      }
    }
    TabelleErgaenzen(doc_);

    showCaption("Loading Dialogs...");
    expectSection(project::kTexts);
    for (int bank = 1; bank <= kBankCount; ++bank) {
      for (int t = 1; t <= doc_.BankInfo[bank].TextCount; ++t) {
        read(doc_.Texte[bank][t].Aktuell);
        read(doc_.Texte[bank][t].Original);
        progress_.progress(++done, total_);
      }
    }
    expectSection(project::kSaveTitles);
    readAll(doc_.SpeicherNamen, 1);
    expectSection(project::kLocations);
    readAll(doc_.StadtNamen, 1);
    expectSection(project::kItems);
    for (int i = 1; i <= kItemCount; ++i) {
      read(doc_.Items[i].Name);
      readSymbol(doc_.Items[i].Symbol);
    }
    expectSection(project::kItemInfo);
    readAll(doc_.ItemInfos, 0);
    expectSection(project::kEnemies);
    readAll(doc_.GegnerNamen, 0);
    expectSection(project::kMagic);
    readAll(doc_.TechNamen, 0);
    readAll(doc_.TechBeschreibungen, 0);

    progress_.caption("");
  }

  // The error question; No ends the load.
  void ask(const RunError& error) {
    if (!AskContinueAfterError(prompter_, error, lines_.place())) throw LoadEnd{ProjectOutcome::Stopped};
  }

  // The next line; past the end of the file, nothing. The question comes once: its Yes reads every
  // later line of this load as past the end too, instead of asking thousands of times.
  std::optional<std::string_view> next() {
    std::optional<std::string_view> line = lines_.next();
    if (!line && !pastEndAccepted_) {
      ask(MakeRunError(errors::kPastEndOfFile));
      pastEndAccepted_ = true;
    }
    return line;
  }
  // Past the end of the file `target` keeps what it held.
  void read(std::string& target) {
    if (const auto line = next()) target.assign(*line);
  }
  template <typename List>
  void readAll(List& list, size_t first) {
    for (size_t i = first; i < list.size(); ++i) read(list[i]);
  }
  void readSymbol(uint8_t& symbol) {
    const auto line = next();
    if (!line) return;
    if (const auto value = ParseSymbol(*line)) symbol = *value;
    else ask(MakeRunError(errors::kTypeMismatch));
  }

  void expectSection(std::string_view header) {
    const auto line = next();
    if (line && *line == header) return;
    Message corrupt = MakeMessage("Error!", std::string("Corrupt File detected!") + kCrLf + "Sorry, couldn't load Project File!",
                                  Icon::Stop, Buttons::Ok, true);
    corrupt.place = lines_.place();
    prompter_.ask(corrupt);
    throw LoadEnd{ProjectOutcome::Corrupt};
  }

  void showCaption(const std::string& text) {
    progress_.caption(text);
    captionShown_ = true;
  }

  Document& doc_;
  Prompter& prompter_;
  ProgressSink& progress_;
  const int32_t total_;
  std::vector<uint8_t> bytes_;
  LineSource lines_{{}};
  bool captionShown_ = false;
  bool pastEndAccepted_ = false;
};

}  // namespace

ProjectOutcome LoadProjectFile(Document& doc, const std::string& path, Prompter& prompter,
                               ProgressSink& progress) {
  doc.TabelleGeaendert = false;
  // The load works on a copy, so that running out of memory half-way leaves the document whole.
  try {
    Document loaded = doc;
    const ProjectOutcome outcome = ProjectLoader(loaded, prompter, progress).run(path);
    doc = std::move(loaded);
    if (outcome == ProjectOutcome::Done) LoadCompanion(doc, path, prompter);
    // Part of the texts changed: statuses kept from before would belong to other texts.
    if (outcome == ProjectOutcome::Corrupt || outcome == ProjectOutcome::Stopped) StartProgress(doc);
    return outcome;
  } catch (const std::bad_alloc&) {
    progress.caption("");
    progress.progress(0, project::ProgressTotal(doc));
    ReportError(prompter, MakeRunError(errors::kOutOfMemory));
    return ProjectOutcome::Stopped;
  }
}

}  // namespace orvane
