#include "writer/write_context.h"

namespace orvane {

bool WriteContext::AskContinue(const RunError& error) {
  Message m = MakeMessage("Error Nr. " + std::to_string(error.number()),
                          error.description() + kCrLf + "Continue program?", Icon::None, Buttons::YesNo);
  return prompter.ask(m) == Answer::Yes;
}

}  // namespace orvane
