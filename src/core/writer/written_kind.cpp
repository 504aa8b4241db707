#include "writer/written_kind.h"

namespace orvane {

std::optional<ImageKind> ChooseWrittenKind(ImageKind baseKind, const std::string& target, bool newFromBase,
                                           std::optional<ImageKind> requested, Prompter& prompter,
                                           const std::string& title) {
  if (requested) return requested;
  const std::optional<ImageKind> named = KindForName(target);
  if (!newFromBase || !named || *named == baseKind) return baseKind;
  const bool add = *named == ImageKind::Headed;
  Message question = MakeMessage(
      title,
      "\"" + target + "\" is named for a ROM image " + KindWords(*named) + ", but the image it starts from is one " +
          KindWords(baseKind) + "." + kCrLf + (add ? "Add" : "Remove") +
          " the 512-byte copier header? (No writes the image as it is under that name.)",
      Icon::Exclamation, Buttons::YesNoCancel);
  question.defaultAnswer = Answer::Cancel;
  const Answer answer = prompter.ask(question);
  if (answer == Answer::Cancel) return std::nullopt;
  return answer == Answer::Yes ? *named : baseKind;
}

}  // namespace orvane
