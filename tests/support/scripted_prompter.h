#pragma once
// Test doubles for the core's interfaces: a prompter that answers from a script and records every
// message, a progress sink that records captions and steps and can stop after a number of calls,
// and a file chooser with a fixed answer.

#include <deque>
#include <new>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/file_chooser.h"
#include "common/progress_sink.h"
#include "common/prompter.h"

namespace orvane::testing {

// A message as one comparable line: title, text, then buttons, icon, default answer and whether it
// is system modal.
inline std::string Shown(const Message& m) {
  const auto n = [](auto e) { return std::to_string(static_cast<int>(e)); };
  return m.title + "|" + m.text + "|" + n(m.buttons) + n(m.icon) + n(m.defaultAnswer) + (m.systemModal ? "!" : "");
}

// Answers in order; once the script is used up, each message gets its default answer.
class ScriptedPrompter : public Prompter {
 public:
  explicit ScriptedPrompter(std::deque<Answer> answers = {}) : answers_(std::move(answers)) {}
  Answer ask(const Message& message) override {
    messages_.push_back(message);
    const Answer a = answers_.empty() ? message.defaultAnswer : answers_.front();
    if (!answers_.empty()) answers_.pop_front();
    return a;
  }
  void queue(Answer a) { answers_.push_back(a); }
  const std::vector<Message>& messages() const { return messages_; }
  bool empty() const { return messages_.empty(); }
  const Message& last() const { return messages_.back(); }
  // Every message so far, one Shown() line each.
  std::string shown() const {
    std::string all;
    for (const Message& m : messages_) all += Shown(m) + "\n";
    return all;
  }

 private:
  std::deque<Answer> answers_;
  std::vector<Message> messages_;
};

// stopAfter: the call (1-based, counting progress and keepGoing) from which on the sink answers
// false; 0 never stops; -n runs out of memory at call n.
struct RecordingProgress : ProgressSink {
  explicit RecordingProgress(long stopAt = 0) : stopAfter(stopAt) {}
  bool progress(int32_t done, int32_t total) override { return steps.emplace_back(done, total), next(); }
  bool keepGoing() override { return next(); }
  bool next() {
    if (++calls == -stopAfter) throw std::bad_alloc();
    return calls < stopAfter || stopAfter <= 0;
  }
  void caption(const std::string& text) override { captions.push_back(text); }
  long stopAfter, calls = 0;
  std::vector<std::string> captions;
  std::vector<std::pair<int32_t, int32_t>> steps;
};

// Answers what `first` holds, in order, then `chosen` to every request.
struct FixedFileChooser : FileChooser {
  explicit FixedFileChooser(std::optional<std::string> chosen, std::deque<std::optional<std::string>> first = {})
      : answer(std::move(chosen)), queued(std::move(first)) {}
  std::optional<std::string> choose(const FileRequest& request) override {
    requests.push_back(request);
    if (queued.empty()) return answer;
    std::optional<std::string> next = std::move(queued.front());
    queued.pop_front();
    return next;
  }
  std::optional<std::string> answer;
  std::deque<std::optional<std::string>> queued;
  std::vector<FileRequest> requests;
};

}  // namespace orvane::testing
