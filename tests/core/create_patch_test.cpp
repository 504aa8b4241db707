// "Create Patch…" without a window: every way it ends, with its outcome and the message it leaves.

#include <gtest/gtest.h>

#include "common/file_helpers.h"
#include "operations/create_patch.h"
#include "support/rom_fixture.h"
#include "support/scripted_prompter.h"

namespace orvane {
namespace {

TEST(CreatePatch, EveryEndHasItsOutcomeAndMessage) {
  testing::TempFolder folder;
  const std::string loaded = folder.file("loaded.smc"), saved = folder.file("saved.smc");
  WriteFileAtomically(loaded, std::vector<uint8_t>(1024, 1));
  WriteFileAtomically(saved, std::vector<uint8_t>(1024, 2));
  const std::string headed = folder.file("headed.smc"), headedSaved = folder.file("headed-saved.smc");
  WriteFileAtomically(headed, std::vector<uint8_t>(32768 + 512, 1));  // the question's default strips the header
  WriteFileAtomically(headedSaved, std::vector<uint8_t>(32768 + 512, 2));
  struct Case {
    std::string loaded, saved;
    std::optional<std::string> patch;
    PatchOutcome outcome;
    std::string said;  // the last message's text, up to its first 20 characters
  };
  const Case cases[] = {
      {"", saved, folder.file("p.bps"), PatchOutcome::NoPair, "A patch leads from t"},
      {loaded, "", folder.file("p.bps"), PatchOutcome::NoPair, "A patch leads from t"},
      {loaded, loaded, folder.file("p.bps"), PatchOutcome::NoPair, "The texts were saved"},
      {loaded, saved, std::nullopt, PatchOutcome::Cancelled, ""},
      {loaded, saved, folder.file("no/p.bps"), PatchOutcome::Failed, "Error Nr. 76: Path n"},
      {loaded, saved, folder.file("p.ips"), PatchOutcome::Written, "The patch from " + loaded.substr(0, 5)},
      {headed, headedSaved, folder.file("h.bps"), PatchOutcome::Written, "The patch from " + headed.substr(0, 5)},
  };
  for (const Case& c : cases) {
    testing::ScriptedPrompter prompter;
    testing::FixedFileChooser chooser(c.patch);
    const PatchOutcome outcome = CreatePatch(c.loaded, c.saved, prompter, chooser);
    const std::string said = prompter.messages().empty() ? "" : prompter.last().text.substr(0, 20);
    EXPECT_EQ(std::pair(outcome, said), std::pair(c.outcome, c.said)) << c.loaded << " " << c.saved;
  }
}

}  // namespace
}  // namespace orvane
