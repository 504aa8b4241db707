#include "writer/write_context.h"

#include "common/error_question.h"

namespace orvane {

bool WriteContext::AskContinue(const RunError& error) {
  return AskContinueAfterError(prompter, error);
}

}  // namespace orvane
