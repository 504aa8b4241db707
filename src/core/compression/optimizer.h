#pragma once
// The compression optimizer: fills the dictionary with the character pairs that occur most often in
// the working dialogue texts. One engine serves the "Optimize Compression" window (picks into a
// list) and the automatic run of the ROM save (picks straight into codes 33..159).

#include <cstdint>
#include <string>
#include <vector>

#include "common/progress_sink.h"
#include "common/prompter.h"
#include "document.h"

namespace orvane {

enum class OptimizerMode { Accurate, Fast, Smallest };

struct OptimizerParams {
  OptimizerMode mode = OptimizerMode::Accurate;
  int32_t samplesPerText = 20;  // fast mode: random pairs drawn from each text
  int32_t countingStep = 1;     // counting visits texts 1, 1+step, ... of each bank (1 accurate, 3 fast)
  int32_t pickLimit = 127;      // the window passes the number of lines its list had
  int exclusionPasses = 1;      // the automatic run makes two
  uint64_t seed = 0;            // fast mode's random source (the program seeds it from the clock)
};

struct OptimizerOutcome {
  bool stopped = false;            // the user stopped the run (picks lists what was picked before)
  bool succeeded = false;          // the selection ended with a threshold of 0 or more
  std::vector<std::string> picks;  // in pick order (a failed run may hold one pick)
};

// The window run: picks from the document's working texts and returns the picks; the document is
// not touched. Accurate and fast mode pick frequent pairs; the smallest mode picks by the bytes an
// entry saves (smallest_dictionary.h). A run that finds nothing shows "Couldn't find an optimal
// compression." itself. Stops when keepGoing() or progress() answers false while reading the texts
// (and, in the smallest mode, while choosing).
OptimizerOutcome RunOptimizer(const Document& doc, const OptimizerParams& params, ProgressSink& progress,
                              Prompter& prompter);

// SucheBesteKompression, the automatic run of the ROM save: fast mode, 20 samples, every third text,
// two exclusion passes; clears codes 33..159 after the first exclusion pass and writes the picks
// there. Returns erfolg: false when the user stopped it or the selection failed.
bool SucheBesteKompression(Document& doc, ProgressSink& progress, Prompter& prompter, uint64_t seed);

// A seed taken from the time of day, as the program seeds fast runs.
uint64_t ClockSeed();

}  // namespace orvane
