#pragma once
// The progress of a long command as one line on the terminal, redrawn in place with "\r": the
// phase and its percentage. Only when stderr is a terminal; in a pipe or a log file nothing is
// written, so the output stays the same whether the run was watched or not.

#include <string>

#include "common/progress_sink.h"

namespace orvane::cli {

class TerminalProgress : public ProgressSink {
 public:
  // `label` stands before the percentage until the work names its phase ("orvane-cli build").
  explicit TerminalProgress(std::string label);
  // Wipes the line, so that what follows starts on a clean one.
  ~TerminalProgress() override;

  bool progress(int32_t done, int32_t total) override;
  bool keepGoing() override { return true; }
  void caption(const std::string& text) override;

 private:
  void draw();

  std::string label_;
  std::string phase_;
  bool shown_;
  int32_t percent_ = -1;
  size_t drawn_ = 0;  // characters on the line now
};

}  // namespace orvane::cli
