#pragma once
// The question every long file operation asks when a step fails: "Error Nr. N", the error's
// description and "Continue program?", answered Yes (skip the step, go on) or No (stop).

#include "common/prompter.h"
#include "common/run_error.h"

namespace orvane {

// True when the user answered Yes.
// `place` names where it happened when the error itself does not.
bool AskContinueAfterError(Prompter& prompter, const RunError& error, const std::string& place = "");

// Tells of an error that ends the operation without a choice: "Error Nr. N" and its description.
void ReportError(Prompter& prompter, const RunError& error);

// The same for a command with a title of its own: "Error Nr. N: description" under `title`.
Message StopMessage(const std::string& title, const RunError& error);

}  // namespace orvane
