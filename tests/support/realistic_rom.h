#pragma once
// A full-size fixture ROM filled the way a game image is: a dictionary of 127 short entries within
// its budget, every dialogue bank filled to about its capacity with sentences that use letters,
// names, line and window codes and dictionary codes, and every name table filled.

#include <cstdint>

#include "support/rom_fixture.h"

namespace orvane::testing {

RomFixture RealisticRom(uint32_t seed = 1);

}  // namespace orvane::testing
