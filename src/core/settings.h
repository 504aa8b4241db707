#pragma once
// The user's settings: the two numbers of settings.ini, and the optimizer's options, which live as
// long as the program runs.

#include <cstdint>

namespace orvane {

struct Settings {
  int16_t OhneOptimierWarnung = 1;  // 0: the ROM save first asks whether to optimize
  int16_t Einstellung2 = 4;         // kept and written back, read by nothing else
  uint8_t KomprimModus = 0;         // 0 accurate, 1 fast, 2 smallest
  int32_t Suchtiefe = 0;            // samples per text of the fast scan
};

}  // namespace orvane
