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

std::string Save(Document& doc, const std::string& name) {
  fuzz::BitPrompter none(0);
  SilentProgress progress;
  FUZZ_CHECK(SaveProjectFile(doc, kFolder.file(name), none, progress) == ProjectOutcome::Done && none.shown.empty());
  return testing::ReadFileText(kFolder.file(name));
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in{data, size};
  const uint8_t mode = in.byte(), answers = in.byte();
  static const Document blank;
  static Document doc;
  static const std::vector<std::string> base = [] {
    doc.Tabelle[1][0xA0] = doc.Tabelle[2][0xA0] = "A";
    doc.Texte[1][1] = {"Hello[L_]there{1A}", "Hello"};
    doc.Items[1] = {"Sword", 32};
    std::istringstream file(Save(doc, "base.ovp"));
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) lines.push_back(line.substr(0, line.size() - 1));
    return lines;
  }();
  std::string file = mode & 1 ? in.rest() : "";
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
  for (size_t i = 0; !(mode & 1) && i < lines.size() && i <= cut; ++i) file += lines[i] + (i == cut ? "" : mode & 2 ? "\n" : "\r\n");
  WriteFileAtomically(kFolder.file("in.ovp"), file);

  doc = blank;
  doc.Geaendert = true;
  fuzz::BitPrompter prompter(answers);
  SilentProgress progress;
  const ProjectOutcome outcome = LoadProjectFile(doc, kFolder.file("in.ovp"), prompter, progress);
  const auto shown = [](const char* title, const std::string& text, Buttons buttons) {
    return testing::Shown(MakeMessage(title, text, buttons == Buttons::Ok ? Icon::Stop : Icon::None, buttons, buttons == Buttons::Ok));
  };
  FUZZ_CHECK(prompter.showedOnly({shown("Error Nr. 62", ErrorDescription(62) + "\r\nContinue program?", Buttons::YesNo),
                                  shown("Error Nr. 13", ErrorDescription(13) + "\r\nContinue program?", Buttons::YesNo),
                                  shown("Error!", "Wrong fileversion detected!", Buttons::Ok),
                                  shown("Error!", "Corrupt File detected!\r\nSorry, couldn't load Project File!", Buttons::Ok)}));
  // Only the two refusals show a message that is not a question; a stop follows a No.
  const bool refused = outcome == ProjectOutcome::WrongVersion || outcome == ProjectOutcome::Corrupt;
  FUZZ_CHECK(prompter.shown.size() == size_t(prompter.questions + refused) && !doc.TabelleGeaendert);
  FUZZ_CHECK(outcome != ProjectOutcome::Cancelled && (outcome != ProjectOutcome::Stopped || prompter.questions > 0));
  if (outcome != ProjectOutcome::Done) return 0;
  FUZZ_CHECK(!doc.Geaendert);
  const std::string saved = Save(doc, "out.ovp");
  static Document again;
  again = blank;
  fuzz::BitPrompter quiet(0);
  FUZZ_CHECK(LoadProjectFile(again, kFolder.file("out.ovp"), quiet, progress) == ProjectOutcome::Done && quiet.shown.empty());
  FUZZ_CHECK(Save(again, "out.ovp") == saved);
  return 0;
}
