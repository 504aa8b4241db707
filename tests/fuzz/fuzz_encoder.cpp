// The encoder against an arbitrary table: the indexed encoder gives exactly what the plain reading
// of the rule gives (every position, both forms, the same errors), and a text it encodes completely
// through table entries decodes back to itself, so that the decoded text encodes to the same bytes.
#include <bitset>
#include <cstddef>
#include <functional>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/run_error.h"
#include "document.h"
#include "harness.h"
#include "rom/code_table.h"
#include "support/linear_encoder.h"
#include "writer/encoder.h"

namespace {

using namespace orvane;
using fuzz::InputReader;

// Few characters, rich in the ones the rule treats specially, so that entries overlap often.
constexpr std::string_view kAlphabet = "ab{}0A1Ff[L_]. ";
// Stands in the plain table for excluded codes: the alphabet never produces it.
constexpr char kNeverTyped = '\x01';

std::string Shaped(std::string bytes, bool alphabet) {
  if (alphabet)
    for (char& c : bytes) c = kAlphabet[static_cast<uint8_t>(c) % kAlphabet.size()];
  return bytes;
}

const CodeTable& BuiltInColumn() {
  static const CodeTable column = [] {
    Document doc;
    PutBuiltInCodes(doc);
    TabelleErgaenzen(doc);
    return doc.Tabelle[1];
  }();
  return column;
}

// A match as comparable text: the code and next position, or the error number.
std::string Describe(const std::function<CodeMatch()>& match) {
  try {
    const CodeMatch m = match();
    return std::to_string(m.code) + "/" + std::to_string(m.next) + "/" + (m.code < 0 ? std::string(m.piece) : "");
  } catch (const RunError& e) {
    return "error " + std::to_string(e.number());
  }
}

// Whether the match at k came from a table entry (and not from the brace escape).
bool FromTable(const CodeTable& table, std::string_view text, const CodeMatch& m, int32_t k) {
  return table[static_cast<size_t>(m.code)] == text.substr(static_cast<size_t>(k), static_cast<size_t>(m.next - k));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  InputReader in(data, size);
  const uint8_t flags = in.byte();
  const bool alphabet = flags & 2;
  CodeTable table = (flags & 1) ? BuiltInColumn() : CodeTable{};
  for (int n = in.byte() % 64; n > 0; --n) {
    const uint8_t code = in.byte();
    table[code] = Shaped(in.bytes(in.byte() % 10), alphabet);
  }
  std::bitset<kCodes> excluded;
  CodeTable plain = table;  // the table as the plain reading sees it, exclusions spelled out
  if (alphabet && (flags & 4)) {
    for (int n = in.byte() % 8; n > 0; --n) {
      const uint8_t code = in.byte();
      excluded.set(code);
      plain[code] = std::string(1, kNeverTyped);
    }
  }
  const std::string text = Shaped(in.bytes(512), alphabet);

  int32_t maxLength = 0;
  for (const std::string& entry : plain) maxLength = std::max<int32_t>(maxLength, static_cast<int32_t>(entry.size()));
  const Encoder encoder(table, maxLength, excluded);

  for (int32_t k = 0; k <= static_cast<int32_t>(text.size()); ++k) {
    const std::string indexed = Describe([&] { return encoder.NaechsterCode(text, k); });
    const std::string linear = Describe([&] { return testing::LinearNaechsterCode(plain, maxLength, text, k); });
    if (indexed != linear) std::fprintf(stderr, "at %d: indexed %s, plain %s\n", k, indexed.c_str(), linear.c_str());
    FUZZ_CHECK(indexed == linear);
  }

  std::vector<uint8_t> names, plainNames;
  std::string nameError, plainNameError;
  try { encoder.KodiereText(text, names); } catch (const RunError& e) { nameError = e.description(); }
  try { testing::LinearKodiereText(plain, maxLength, text, plainNames); } catch (const RunError& e) { plainNameError = e.description(); }
  FUZZ_CHECK(nameError == plainNameError);
  FUZZ_CHECK(!nameError.empty() || names == plainNames);

  std::vector<uint8_t> codes;
  std::optional<std::string> unknown;
  try {
    unknown = encoder.KodiereDialog(text, codes);
  } catch (const RunError& e) {
    FUZZ_CHECK(e.number() == errors::kTypeMismatch);
    return 0;
  }
  if (unknown) return 0;
  bool onlyEntries = true;
  std::string decoded;
  for (int32_t k = 0, i = 0; i < static_cast<int32_t>(codes.size()); ++i) {
    const CodeMatch m = encoder.NaechsterCode(text, k);
    FUZZ_CHECK(m.code == codes[static_cast<size_t>(i)]);
    onlyEntries = onlyEntries && FromTable(table, text, m, k);
    decoded += table[codes[static_cast<size_t>(i)]];
    k = m.next;
  }
  if (!onlyEntries) return 0;
  FUZZ_CHECK(decoded == text);
  std::vector<uint8_t> again;
  FUZZ_CHECK(!encoder.KodiereDialog(decoded, again));
  FUZZ_CHECK(again == codes);
  return 0;
}
