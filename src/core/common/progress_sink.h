#pragma once
// Long operations report through a ProgressSink: the bar (done/total), the caption of the window
// that shows the work, and the chance for the user interface to run. Every call answers whether
// the work may go on; it turns false once the user pressed Cancel or Abort.

#include <cstdint>
#include <string>

namespace orvane {

class ProgressSink {
 public:
  virtual ~ProgressSink() = default;
  // ZeigeFortschritt: moves the bar to the percentage done/total and lets events run.
  virtual bool progress(int32_t done, int32_t total) = 0;
  // Lets events run without moving the bar.
  virtual bool keepGoing() = 0;
  // The phase text shown in the window caption; empty restores the normal title.
  virtual void caption(const std::string& text) = 0;
};

// A sink that shows nothing and never stops.
class SilentProgress : public ProgressSink {
 public:
  bool progress(int32_t, int32_t) override { return true; }
  bool keepGoing() override { return true; }
  void caption(const std::string&) override {}
};

// Percentage of done/total as the bar shows it: nearest integer, halves to even, clamped 0..100.
int32_t ProzentWert(int32_t done, int32_t total);

}  // namespace orvane
