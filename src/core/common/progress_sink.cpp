#include "common/progress_sink.h"

#include <algorithm>
#include <cmath>

namespace orvane {

int32_t ProzentWert(int32_t done, int32_t total) {
  if (total == 0) return done > 0 ? 100 : 0;
  const double percent = static_cast<double>(done) / static_cast<double>(total) * 100.0;
  const double rounded = std::nearbyint(percent);  // default rounding mode: halves to even
  return static_cast<int32_t>(std::clamp(rounded, 0.0, 100.0));
}

}  // namespace orvane
