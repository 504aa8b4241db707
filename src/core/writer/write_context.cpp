#include "writer/write_context.h"

#include "common/error_question.h"

namespace orvane {

bool WriteContext::AskContinue(const RunError& error) {
  // The caption names the bank and text, or the name list and entry, being written.
  return AskContinueAfterError(prompter, error, lastCaption);
}

void WriteContext::NoteOverflow(std::string text, std::optional<TextPlace> place, bool cut) {
  overflows.push_back({std::move(text), place, cut});
}

void WriteContext::Caption(const std::string& text) {
  if (text == lastCaption) return;
  lastCaption = text;
  progress.caption(text);
}

void WriteContext::ProgressStep() {
  ++progressCounter;
  // A Cancel pressed meanwhile is noticed at the next yield.
  progress.progress(progressCounter, progressTotal);
}

int32_t SaveProgressTotal(const Document& doc) {
  constexpr int32_t kNameTableSteps = 1337;
  return doc.TotalTextCount() + kNameTableSteps;
}

}  // namespace orvane
