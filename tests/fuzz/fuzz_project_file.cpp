// Project loading from arbitrary files: either the raw input, or a valid project file changed by the
// input (lines replaced, inserted, deleted, the file cut anywhere). Loading never crashes, shows only
// its own messages, and a document it loads completely saves, loads and saves again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "common/run_error.h"
#include "common/text_helpers.h"
#include "document.h"
#include "harness.h"
#include "project/project_file.h"
#include "common/file_helpers.h"
#include "support/rom_fixture.h"

namespace {

using orvane::Document;
using orvane::ProjectOutcome;
using orvane::SilentProgress;
using orvane::fuzz::CheckingPrompter;
using orvane::fuzz::InputReader;

const orvane::testing::TempFolder& Folder() {
  static const orvane::testing::TempFolder folder;
  return folder;
}

CheckingPrompter LoadPrompter(uint8_t answers) {
  return CheckingPrompter(answers,
                          {{"Error!", "Wrong fileversion detected!"},
                           {"Error!", "Corrupt File detected!\r\nSorry, couldn't load Project File!"}},
                          {orvane::errors::kPastEndOfFile, orvane::errors::kTypeMismatch});
}

std::string SaveToBytes(Document& doc, const std::string& name) {
  CheckingPrompter none(0, {}, {});
  SilentProgress progress;
  FUZZ_CHECK(orvane::SaveProjectFile(doc, Folder().file(name), none, progress) == ProjectOutcome::Done);
  FUZZ_CHECK(none.messages() == 0);
  const std::vector<uint8_t> bytes = orvane::ReadWholeFile(Folder().file(name));
  return std::string(bytes.begin(), bytes.end());
}

// A small but complete project (a few texts, names and table entries filled in) and its lines.
struct BaseProject {
  std::string bytes;
  std::vector<std::string_view> lines;
};

const BaseProject& Base() {
  static const BaseProject base = [] {
    Document doc;
    doc.Tabelle[1][0xA0] = "A";
    doc.Tabelle[2][0xA0] = "A";
    doc.Tabelle[1][0x21] = "th";
    doc.Texte[1][1].Aktuell = "Hello[L_]there{1A}";
    doc.Texte[1][1].Original = "Hello";
    doc.Texte[21][50].Aktuell = "Last[WS]one";
    doc.SpeicherNamen[1] = "Save";
    doc.Items[1] = {"Sword", 32};
    doc.TechBeschreibungen[119] = "end";
    BaseProject b;
    b.bytes = SaveToBytes(doc, "base.ovp");
    const std::string_view all(b.bytes);
    for (size_t pos = 0; pos < all.size();) {
      const size_t end = all.find("\r\n", pos);
      b.lines.push_back(all.substr(pos, end - pos));
      pos = end + 2;
    }
    return b;
  }();
  return base;
}

// Edit records: line (2 bytes), operation, length, bytes. A cut ends the file inside that line.
// Lines are views into the base file or into `values`, which owns the edited ones.
std::string EditedProject(InputReader& in, bool bareLf) {
  std::vector<std::string_view> lines = Base().lines;
  std::deque<std::string> values;
  size_t cutAt = std::string::npos;
  while (!in.done() && cutAt == std::string::npos) {
    const size_t line = in.word() % lines.size();
    const uint8_t op = in.byte();
    const std::string_view value = values.emplace_back(in.bytes(in.byte() % 64));
    switch (op % 4) {
      case 0: lines[line] = value; break;
      case 1: lines.insert(lines.begin() + static_cast<long>(line), value); break;
      case 2: if (lines.size() > 1) lines.erase(lines.begin() + static_cast<long>(line)); break;
      case 3: cutAt = line; lines[line] = lines[line].substr(0, value.size()); break;
    }
  }
  std::string file;
  file.reserve(Base().bytes.size() + values.size() * 64);
  for (size_t i = 0; i < lines.size() && (cutAt == std::string::npos || i <= cutAt); ++i) {
    file += lines[i];
    if (i != cutAt) file += bareLf ? "\n" : "\r\n";
  }
  return file;
}

// Building a document costs more than loading one: the documents are kept, and everything a
// project file holds is emptied before each run, so that a run never sees the one before.
void ClearStoredValues(Document& doc) {
  for (auto& column : doc.Tabelle) orvane::FeldLeeren(column);
  for (int bank = 1; bank <= orvane::kBankCount; ++bank)
    for (int t = 1; t <= doc.BankInfo[bank].TextCount; ++t) doc.Texte[bank][t] = {};
  orvane::FeldLeeren(doc.SpeicherNamen);
  orvane::FeldLeeren(doc.StadtNamen);
  for (auto& item : doc.Items) item = {};
  orvane::FeldLeeren(doc.ItemInfos);
  orvane::FeldLeeren(doc.GegnerNamen);
  orvane::FeldLeeren(doc.TechNamen);
  orvane::FeldLeeren(doc.TechBeschreibungen);
  doc.Geaendert = true;
  doc.TabelleGeaendert = true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  InputReader in(data, size);
  const uint8_t mode = in.byte();
  const uint8_t answers = in.byte();
  const std::string file = (mode & 1) ? in.rest() : EditedProject(in, mode & 2);
  orvane::WriteFileAtomically(Folder().file("in.ovp"), file);

  static Document doc, again;
  ClearStoredValues(doc);
  CheckingPrompter prompter = LoadPrompter(answers);
  SilentProgress progress;
  const ProjectOutcome outcome = orvane::LoadProjectFile(doc, Folder().file("in.ovp"), prompter, progress);
  FUZZ_CHECK(outcome != ProjectOutcome::Cancelled);
  FUZZ_CHECK(!doc.TabelleGeaendert);
  // Only the two refusals show a message that is not the error question.
  const bool refused = outcome == ProjectOutcome::WrongVersion || outcome == ProjectOutcome::Corrupt;
  FUZZ_CHECK(prompter.messages() == prompter.questions() + (refused ? 1 : 0));
  FUZZ_CHECK(outcome != ProjectOutcome::Stopped || prompter.questions() > 0);
  if (outcome != ProjectOutcome::Done) return 0;
  FUZZ_CHECK(!doc.Geaendert);

  const std::string saved = SaveToBytes(doc, "out.ovp");
  ClearStoredValues(again);
  CheckingPrompter quiet = LoadPrompter(0);
  FUZZ_CHECK(orvane::LoadProjectFile(again, Folder().file("out.ovp"), quiet, progress) == ProjectOutcome::Done);
  FUZZ_CHECK(quiet.messages() == 0);
  FUZZ_CHECK(SaveToBytes(again, "out.ovp") == saved);
  return 0;
}
