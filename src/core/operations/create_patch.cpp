#include "operations/create_patch.h"

#include <filesystem>

#include "common/error_question.h"
#include "exchange/patch.h"
#include "image_kind.h"

namespace orvane {

namespace {

constexpr const char* kTitle = "Create Patch";

PatchOutcome Say(Prompter& prompter, const std::string& text, PatchOutcome outcome, Icon icon = Icon::Information) {
  prompter.ask(MakeMessage(kTitle, text, icon));
  return outcome;
}

}  // namespace

PatchOutcome CreatePatch(const std::string& loadedRom, const std::string& savedRom, Prompter& prompter,
                         FileChooser& chooser) {
  if (loadedRom.empty() || savedRom.empty())
    return Say(prompter,
               "A patch leads from the loaded ROM to the ROM saved last: load a ROM and use \"Save in Rom\" first.",
               PatchOutcome::NoPair);
  std::error_code ec;
  if (std::filesystem::equivalent(loadedRom, savedRom, ec))
    return Say(prompter,
               "The texts were saved into the loaded ROM itself, so its original bytes are gone. Save into a new "
               "file to make a patch.",
               PatchOutcome::NoPair);
  const auto path = chooser.choose({"Create Patch...", "BPS patch|*.bps|IPS patch|*.ips", "", true});
  if (!path) return PatchOutcome::Cancelled;
  // Most patching tools and players' ROMs go without the copier header, so that is offered first.
  bool stripHeader = false;
  if (KindForSize(std::filesystem::file_size(loadedRom, ec)) == ImageKind::Headed) {
    Message question = MakeMessage(kTitle,
                                   "The loaded ROM starts with a 512-byte copier header. Make the patch for the "
                                   "image without it, as most patching tools expect?",
                                   Icon::Exclamation);
    question.buttons = Buttons::YesNoCancel;
    question.defaultAnswer = Answer::Yes;
    const Answer answer = prompter.ask(question);
    if (answer == Answer::Cancel) return PatchOutcome::Cancelled;
    stripHeader = answer == Answer::Yes;
  }
  try {
    CreatePatchFile(loadedRom, savedRom, *path, stripHeader);
    return Say(prompter, "The patch from " + loadedRom + " to " + savedRom + " was written.", PatchOutcome::Written);
  } catch (const PatchRefused& refused) {
    return Say(prompter, refused.what(), PatchOutcome::Failed, Icon::Stop);
  } catch (const RunError& error) {
    prompter.ask(StopMessage(kTitle, error));
    return PatchOutcome::Failed;
  }
}

}  // namespace orvane
