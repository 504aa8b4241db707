// The encoder against an arbitrary table: the indexed encoder gives exactly what the plain reading
// of the rule gives (every position, both forms, the same errors), and a text it encodes wholly
// through table entries decodes back to itself and encodes to the same bytes again.
// Input: flags (1 start from the built-in table, 2 a small alphabet, 4 excluded codes), entries,
// the excluded codes, the text.
#include <functional>

#include "common/run_error.h"
#include "harness.h"
#include "rom/code_table.h"
#include "support/linear_encoder.h"
#include "writer/encoder.h"

using namespace orvane;

// A match or an error as comparable text.
std::string Describe(const std::function<std::string()>& run) {
  try {
    return run();
  } catch (const RunError& e) {
    return "error " + std::to_string(e.number());
  }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in{data, size};
  const uint8_t flags = in.byte();
  // Few characters, rich in the ones the rule treats specially, so that entries overlap often.
  const auto shaped = [&](std::string s) { for (char& c : s) c = flags & 2 ? "ab{}0A1Ff[L_]. "[static_cast<uint8_t>(c) % 15] : c; return s; };
  static Document builtIn;
  PutBuiltInCodes(builtIn), TabelleErgaenzen(builtIn);
  CodeTable table = flags & 1 ? builtIn.Tabelle[1] : CodeTable{};
  for (int n = in.byte() % 64; n > 0; --n) table[in.byte()] = shaped(in.bytes(in.byte() % 10));
  std::bitset<kCodes> excluded;
  CodeTable plain = table;  // the plain reading sees an excluded code as a text nobody types
  for (int n = (flags & 6) == 6 ? in.byte() % 8 : 0; n > 0; --n) {
    const uint8_t code = in.byte();
    plain[code] = "\x01", excluded.set(code);
  }
  const std::string text = shaped(in.bytes(512));
  int32_t longest = 0;
  for (const std::string& entry : plain) longest = std::max<int32_t>(longest, static_cast<int32_t>(entry.size()));
  const Encoder encoder(table, longest, excluded);
  const auto describe = [](const CodeMatch& m) { return std::to_string(m.code) + "/" + std::to_string(m.next) + "/" + std::string(m.code < 0 ? m.piece : ""); };
  for (int32_t k = 0; k <= static_cast<int32_t>(text.size()); ++k)
    FUZZ_CHECK(Describe([&] { return describe(encoder.NaechsterCode(text, k)); }) == Describe([&] { return describe(testing::LinearNaechsterCode(plain, longest, text, k)); }));
  std::vector<uint8_t> names, plainNames;
  FUZZ_CHECK(Describe([&] { return std::to_string(encoder.KodiereText(text, names)); }) == Describe([&] { return std::to_string(testing::LinearKodiereText(plain, longest, text, plainNames)); }));
  FUZZ_CHECK(names == plainNames);

  std::vector<uint8_t> codes, again;
  const std::string dialog = Describe([&] { return encoder.KodiereDialog(text, codes).value_or("whole"); });
  FUZZ_CHECK(dialog.rfind("error", 0) != 0 || dialog == "error 13");
  if (dialog != "whole") return 0;
  std::string decoded;
  for (uint8_t code : codes) decoded += table[code];
  if (decoded != text) return 0;  // a brace escape stood for a code
  FUZZ_CHECK(!encoder.KodiereDialog(decoded, again) && again == codes);
  return 0;
}
