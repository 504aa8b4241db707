#include "support/scripted_prompter.h"

namespace orvane::testing {

Answer ScriptedPrompter::ask(const Message& message) {
  messages_.push_back(message);
  if (answers_.empty()) return message.defaultAnswer;
  const Answer a = answers_.front();
  answers_.pop_front();
  return a;
}

bool RecordingProgress::answer() {
  ++calls;
  return stopAfter_ == 0 || calls < stopAfter_;
}

bool RecordingProgress::progress(int32_t done, int32_t total) {
  steps.emplace_back(done, total);
  return answer();
}

bool RecordingProgress::keepGoing() { return answer(); }

}  // namespace orvane::testing
