#pragma once
// The optimizer's options (KomprimModus and Suchtiefe, kept in the settings) and the rules the
// options window and the window run apply to them.

#include <cstdint>
#include <string>

#include "compression/optimizer.h"
#include "settings.h"

namespace orvane {

inline constexpr int32_t kMaxSamplesPerText = 20;  // the slider's top

// Caption of the "Seek" frame for slider value v: Low below 6, Medium 6..14, High 15..19; from 20
// on the frame keeps `current`.
std::string SeekFrameCaption(int32_t sliderValue, const std::string& current);

// KomprimModus 0 accurate, 1 fast, 2 smallest; unknown values count as accurate.
OptimizerMode ModeFromKomprimModus(uint8_t komprimModus);
uint8_t KomprimModusFromMode(OptimizerMode mode);

// Parameters of a window run from the confirmed options: samples from Suchtiefe, every text counted
// in accurate mode and every third in fast mode, the pick limit from the list's line count.
OptimizerParams WindowRunParams(const Settings& settings, int32_t listLines, uint64_t seed);

}  // namespace orvane
