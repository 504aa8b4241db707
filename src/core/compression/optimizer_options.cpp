#include "compression/optimizer_options.h"

namespace orvane {

std::string SeekFrameCaption(int32_t sliderValue, const std::string& current) {
  if (sliderValue < 6) return "Fast Scan depth: Low";
  if (sliderValue <= 14) return "Fast Scan depth: Medium";
  if (sliderValue <= 19) return "Fast Scan depth: High";
  return current;
}

OptimizerMode ModeFromKomprimModus(uint8_t komprimModus) {
  switch (komprimModus) {
    case 1: return OptimizerMode::Fast;
    case 2: return OptimizerMode::Smallest;
    default: return OptimizerMode::Accurate;
  }
}

uint8_t KomprimModusFromMode(OptimizerMode mode) {
  switch (mode) {
    case OptimizerMode::Fast: return 1;
    case OptimizerMode::Smallest: return 2;
    case OptimizerMode::Accurate: break;
  }
  return 0;
}

OptimizerParams WindowRunParams(const Settings& settings, int32_t listLines, uint64_t seed) {
  OptimizerParams params;
  params.mode = ModeFromKomprimModus(settings.KomprimModus);
  params.samplesPerText = settings.Suchtiefe;
  params.countingStep = params.mode == OptimizerMode::Fast ? 3 : 1;
  params.pickLimit = listLines;
  params.exclusionPasses = 1;
  params.seed = seed;
  return params;
}

}  // namespace orvane
