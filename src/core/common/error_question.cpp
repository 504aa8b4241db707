#include "common/error_question.h"

namespace orvane {

bool AskContinueAfterError(Prompter& prompter, const RunError& error) {
  const Message m = MakeMessage("Error Nr. " + std::to_string(error.number()),
                                error.description() + kCrLf + "Continue program?", Icon::None, Buttons::YesNo);
  return prompter.ask(m) == Answer::Yes;
}

void ReportError(Prompter& prompter, const RunError& error) {
  prompter.ask(MakeMessage("Error Nr. " + std::to_string(error.number()), error.description(), Icon::Stop));
}

}  // namespace orvane
