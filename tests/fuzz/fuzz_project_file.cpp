// Project loading from arbitrary files: the raw input, or a small project changed by the input
// (lines replaced, inserted, deleted, the file cut inside a line). A load never crashes, shows only
// its own messages, and what it loads wholly saves, loads and saves again to the same bytes.
// Input: mode (1 raw, 2 bare LF line ends), the answers' bits, then the file or edit records
// (line, 2 bytes low first; operation 0 replace, 1 insert, 2 delete, 3 cut; length; bytes).
#include <sstream>

#include "common/file_helpers.h"
#include "common/run_error.h"
#include "harness.h"
#include "project/project_file.h"
#include "support/rom_fixture.h"

using namespace orvane;

const testing::TempFolder kFolder;

std::string SaveAndRead(Document& doc) {
  fuzz::BitPrompter none(0);
  SilentProgress progress;
  FUZZ_CHECK(SaveProjectFile(doc, kFolder.file("out.ovp"), none, progress) == ProjectOutcome::Done &&
             none.shown.empty());
  return testing::ReadFileText(kFolder.file("out.ovp"));
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in{data, size};
  const uint8_t mode = in.byte(), answers = in.byte();
  static Document loaded, again;
  static const std::vector<std::string> base = [] {  // the lines of an empty document's project
    std::vector<std::string> lines;
    std::istringstream file(SaveAndRead(loaded));
    for (std::string line; std::getline(file, line);) lines.push_back(line.substr(0, line.size() - 1));
    return lines;
  }();
  std::vector<std::string> lines = base;
  size_t cut = SIZE_MAX;  // the file ends inside this line
  while (!(mode & 1) && in.size && cut == SIZE_MAX) {
    const size_t low = in.byte(), n = (low | in.byte() << 8) % lines.size();
    const uint8_t op = in.byte() % 4;
    const std::string value = in.bytes(in.byte() % 64);
    if (op == 0) lines[n] = value;
    if (op == 1) lines.insert(lines.begin() + static_cast<long>(n), value);
    if (op == 2 && lines.size() > 1) lines.erase(lines.begin() + static_cast<long>(n));
    if (op == 3) cut = n, lines[n].resize(std::min(lines[n].size(), value.size()));
  }
  std::string file = mode & 1 ? in.rest() : "";
  for (size_t i = 0; !(mode & 1) && i < lines.size() && i <= cut; ++i)
    file += lines[i] + (i == cut ? "" : mode & 2 ? "\n" : "\r\n");
  WriteFileAtomically(kFolder.file("in.ovp"), file);

  loaded = again = Document();
  loaded.Geaendert = loaded.TabelleGeaendert = true;
  fuzz::BitPrompter prompter(answers), quiet(0);
  SilentProgress progress;
  const ProjectOutcome outcome = LoadProjectFile(loaded, kFolder.file("in.ovp"), prompter, progress);
  const auto question = [](int n) {
    return testing::Shown(MakeMessage("Error Nr. " + std::to_string(n), ErrorDescription(n) + "\r\nContinue program?",
                                      Icon::None, Buttons::YesNo));
  };
  const auto refusal = [](const char* text) {
    return testing::Shown(MakeMessage("Error!", text, Icon::Stop, Buttons::Ok, true));
  };
  FUZZ_CHECK(prompter.showedOnly({question(62), question(13), refusal("Wrong fileversion detected!"),
                                  refusal("Corrupt File detected!\r\nSorry, couldn't load Project File!")}));
  // Only the two refusals show a message that is not a question; a stop follows a No.
  const bool refused = outcome == ProjectOutcome::WrongVersion || outcome == ProjectOutcome::Corrupt;
  FUZZ_CHECK(prompter.shown.size() == size_t(prompter.questions + refused) && !loaded.TabelleGeaendert);
  FUZZ_CHECK(outcome != ProjectOutcome::Cancelled && (outcome != ProjectOutcome::Stopped || prompter.questions > 0));
  if (outcome != ProjectOutcome::Done) return 0;
  const std::string saved = SaveAndRead(loaded);
  FUZZ_CHECK(!loaded.Geaendert &&
             LoadProjectFile(again, kFolder.file("out.ovp"), quiet, progress) == ProjectOutcome::Done);
  FUZZ_CHECK(quiet.shown.empty() && SaveAndRead(again) == saved);
  return 0;
}
