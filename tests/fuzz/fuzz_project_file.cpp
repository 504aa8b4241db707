// Project loading from arbitrary files: the raw input, or a small project changed by the input
// (lines replaced, inserted, deleted, the file cut inside a line). A load ends, shows its messages and
// leaves the document as the plain model says, and what it loads wholly saves, loads and saves again to
// the same bytes. Input: mode (1 raw, 2 bare LF line ends), the answer to every question (bit 0: Yes),
// then the file or edit records
// (line, 2 bytes low first; operation 0 replace, 1 insert, 2 delete, 3 cut; length; bytes).
#include "common/file_helpers.h"
#include "harness.h"
#include "project/project_file.h"
#include "support/project_model.h"
#include "support/rom_fixture.h"

using namespace orvane;

const testing::TempFolder kFolder;

std::string SaveAndRead(Document& doc, Prompter& prompter, ProgressSink& progress) {
  FUZZ_CHECK(SaveProjectFile(doc, kFolder.file("out.ovp"), prompter, progress) == ProjectOutcome::Done);
  return testing::ReadFileText(kFolder.file("out.ovp"));
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in{data, size};
  const uint8_t mode = in.byte();
  const Answer answer = in.byte() & 1 ? Answer::Yes : Answer::No;
  static Document loaded, again;
  static const testing::Lines base = testing::ProjectLines(loaded);  // an empty document's project
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
  loaded.TabelleGeaendert = true;
  fuzz::FixedPrompter prompter(answer), quiet(Answer::No);
  SilentProgress progress;
  const ProjectOutcome outcome = LoadProjectFile(loaded, kFolder.file("in.ovp"), prompter, progress);
  const testing::Expectation expected = testing::Expect(base, base, file, answer);
  FUZZ_CHECK(outcome == expected.outcome && prompter.shown() == expected.shown && !loaded.TabelleGeaendert);
  FUZZ_CHECK(testing::ProjectLines(loaded) == expected.lines);
  if (outcome != ProjectOutcome::Done) return 0;
  const std::string saved = SaveAndRead(loaded, quiet, progress);
  FUZZ_CHECK(LoadProjectFile(again, kFolder.file("out.ovp"), quiet, progress) == ProjectOutcome::Done);
  FUZZ_CHECK(SaveAndRead(again, quiet, progress) == saved && quiet.empty());
  return 0;
}
