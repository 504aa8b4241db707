#include "terminal_progress.h"

#include <unistd.h>

#include <cstdio>

namespace orvane::cli {

TerminalProgress::TerminalProgress(std::string label)
    : label_(std::move(label)), shown_(::isatty(STDERR_FILENO) == 1) {}

TerminalProgress::~TerminalProgress() {
  if (!shown_ || drawn_ == 0) return;
  std::fprintf(stderr, "\r%*s\r", static_cast<int>(drawn_), "");
  std::fflush(stderr);
}

bool TerminalProgress::progress(int32_t done, int32_t total) {
  const int32_t percent = ProzentWert(done, total);
  if (percent != percent_) {
    percent_ = percent;
    draw();
  }
  return true;
}

void TerminalProgress::caption(const std::string& text) {
  phase_ = text;
  if (percent_ >= 0) draw();
}

void TerminalProgress::draw() {
  if (!shown_) return;
  const std::string line = (phase_.empty() ? label_ : phase_) + " " + std::to_string(percent_) + "%";
  // Spaces over what a longer line before left behind.
  const int pad = drawn_ > line.size() ? static_cast<int>(drawn_ - line.size()) : 0;
  std::fprintf(stderr, "\r%s%*s", line.c_str(), pad, "");
  std::fflush(stderr);
  drawn_ = line.size() + static_cast<size_t>(pad);
}

}  // namespace orvane::cli
