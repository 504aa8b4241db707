#pragma once
// Test doubles for the core's interfaces: a prompter that answers from a script and records every
// message, a progress sink that records captions and can stop after a number of calls, and a file
// chooser with a fixed answer.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "common/file_chooser.h"
#include "common/progress_sink.h"
#include "common/prompter.h"

namespace orvane::testing {

class ScriptedPrompter : public Prompter {
 public:
  ScriptedPrompter() = default;
  explicit ScriptedPrompter(std::deque<Answer> answers) : answers_(std::move(answers)) {}

  // Answers in order; once the script is used up, each message gets its default answer.
  Answer ask(const Message& message) override;

  void queue(Answer a) { answers_.push_back(a); }
  const std::vector<Message>& messages() const { return messages_; }
  bool empty() const { return messages_.empty(); }
  const Message& last() const { return messages_.back(); }

 private:
  std::deque<Answer> answers_;
  std::vector<Message> messages_;
};

class RecordingProgress : public ProgressSink {
 public:
  // stopAfter: the call (1-based, counting progress and keepGoing) from which on the sink answers
  // false; 0 never stops.
  explicit RecordingProgress(long stopAfter = 0) : stopAfter_(stopAfter) {}

  bool progress(int32_t done, int32_t total) override;
  bool keepGoing() override;
  void caption(const std::string& text) override { captions.push_back(text); }

  std::vector<std::string> captions;
  std::vector<std::pair<int32_t, int32_t>> steps;
  long calls = 0;

 private:
  bool answer();
  long stopAfter_;
};

class FixedFileChooser : public FileChooser {
 public:
  explicit FixedFileChooser(std::optional<std::string> answer) : answer_(std::move(answer)) {}
  std::optional<std::string> choose(const FileRequest& request) override {
    requests.push_back(request);
    return answer_;
  }
  std::vector<FileRequest> requests;

 private:
  std::optional<std::string> answer_;
};

}  // namespace orvane::testing
