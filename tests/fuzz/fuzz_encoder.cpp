// The encoder against an arbitrary table: at every position of the text the indexed encoder gives
// exactly what the plain reading of the rule gives, the same error included, and its lookups of a whole
// piece and of one character find the code the plain search finds. Input: flags (1 start from the
// built-in table, 2 a small alphabet, 4 with 2: excluded codes, 8 half the longest entry's length as the
// limit, so that long entries are never tried whole), entry count, entries (code, length, text), the
// excluded codes, the text.
#include "common/run_error.h"
#include "harness.h"
#include "rom/code_table.h"
#include "support/linear_encoder.h"

using namespace orvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in{data, size};
  const uint8_t flags = in.byte();
  // Few characters, rich in the ones the rule treats specially, so that entries overlap often.
  const auto shaped = [&](std::string s) {
    for (char& c : s) c = flags & 2 ? "ab{}0A1Ff[L_]. "[static_cast<uint8_t>(c) % 15] : c;
    return s;
  };
  static Document builtIn;
  PutBuiltInCodes(builtIn), TabelleErgaenzen(builtIn);
  CodeTable table = flags & 1 ? builtIn.Tabelle[1] : CodeTable{}, plain;
  for (int n = in.byte(); n > 0; --n) table[in.byte()] = shaped(in.bytes(in.byte() % 16));
  std::bitset<kCodes> excluded;
  for (int n = (flags & 6) == 6 ? in.byte() % 8 : 0; n > 0; --n) excluded.set(in.byte());
  int32_t longest = 0;  // the plain reading sees an excluded code as a text nobody types
  for (int c = 0; c < kCodes; ++c)
    plain[c] = excluded[c] ? "\x01" : table[c], longest = std::max<int32_t>(longest, plain[c].size());
  const std::string text = shaped(in.bytes(512));
  longest = flags & 8 ? longest / 2 : longest;
  const Encoder encoder(table, longest, excluded);
  const auto outcome = [&](auto match, int32_t k) {
    try {
      const CodeMatch m = match(k);
      return std::to_string(m.code) + "/" + std::to_string(m.next) + "/" + std::string(m.piece);
    } catch (const RunError& e) {
      return "error " + std::to_string(e.number());
    }
  };
  for (int32_t k = 0; k <= static_cast<int32_t>(text.size()) + 1; ++k) {
    FUZZ_CHECK(outcome([&](int32_t at) { return encoder.NaechsterCode(text, at); }, k) ==
               outcome([&](int32_t at) { return testing::LinearNaechsterCode(plain, longest, text, at); }, k));
    const std::string piece = text.substr(std::min<size_t>(k, text.size()), k % 6);
    FUZZ_CHECK(encoder.SucheCode(piece) == SucheEintrag(plain, piece) &&
               encoder.EinzelCode(piece[0]) == SucheEintrag(plain, std::string(1, piece[0])));
  }
  return 0;
}
