#include "common/error_question.h"

namespace orvane {

bool AskContinueAfterError(Prompter& prompter, const RunError& error, const std::string& place) {
  Message m = MakeMessage("Error Nr. " + std::to_string(error.number()),
                                error.description() + kCrLf + "Continue program?", Icon::None, Buttons::YesNo);
  m.place = place.empty() ? error.place() : place;
  return prompter.ask(m) == Answer::Yes;
}

Message StopMessage(const std::string& title, const RunError& error) {
  Message m = MakeMessage(title, "Error Nr. " + std::to_string(error.number()) + ": " + error.description(), Icon::Stop);
  m.place = error.place();
  return m;
}

void ReportError(Prompter& prompter, const RunError& error) {
  Message m = MakeMessage("Error Nr. " + std::to_string(error.number()), error.description(), Icon::Stop);
  m.place = error.place();
  prompter.ask(m);
}

}  // namespace orvane
