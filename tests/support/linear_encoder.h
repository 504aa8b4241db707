#pragma once
// The encoder's matching rule read plainly: every length from MaxEintragLaenge down to 1, each
// piece looked up through the whole table with SucheEintrag. The reference that the indexed
// encoder is compared with, in tests and in the benchmark.

#include <string_view>
#include <vector>

#include "writer/encoder.h"

namespace orvane::testing {

CodeMatch LinearNaechsterCode(const CodeTable& table, int32_t maxLength, std::string_view text, int32_t k);
int32_t LinearKodiereText(const CodeTable& table, int32_t maxLength, std::string_view text,
                          std::vector<uint8_t>& bytes);

}  // namespace orvane::testing
