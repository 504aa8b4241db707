// The character table file from arbitrary bytes: it is read or refused with error 13 or 62, never
// more; what it reads survives being written back as a table file and read again.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "common/run_error.h"
#include "document.h"
#include "harness.h"
#include "rom/character_table.h"

namespace {

// No line of a table file can hold a line break, so this marks codes the file did not name.
const std::string kUnnamed = "\n";

std::string AsTableFile(const orvane::Document& doc) {
  std::string file;
  for (int code = 0; code < orvane::kCodes; ++code) {
    if (doc.Tabelle[2][code] == kUnnamed) continue;
    char hex[3];
    std::snprintf(hex, sizeof hex, code % 2 ? "%02x" : "%02X", code);
    file += std::string(hex) + "=" + doc.Tabelle[2][code] + "\r\n";
  }
  return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace orvane;
  // Only the table columns matter here; one document each keeps the runs fast.
  static Document doc, reread;
  for (auto& entry : doc.Tabelle[2]) entry = kUnnamed;
  const std::vector<uint8_t> file(data, data + size);
  try {
    ReadTableFile(doc, file);
  } catch (const RunError& e) {
    FUZZ_CHECK(e.number() == errors::kTypeMismatch || e.number() == errors::kPastEndOfFile);
    FUZZ_CHECK(e.number() != errors::kPastEndOfFile || size == 0);
    return 0;
  }
  for (int code = 0; code < kCodes; ++code) {
    const std::string& text = doc.Tabelle[2][code];
    FUZZ_CHECK(text == kUnnamed || text.find_first_of("\r\n") == std::string::npos);
  }
  const std::string again = AsTableFile(doc);
  FUZZ_CHECK(!again.empty());
  for (auto& entry : reread.Tabelle[2]) entry = kUnnamed;
  ReadTableFile(reread, std::vector<uint8_t>(again.begin(), again.end()));
  FUZZ_CHECK(reread.Tabelle[2] == doc.Tabelle[2]);
  FUZZ_CHECK(reread.Tabelle[1] == doc.Tabelle[1]);
  return 0;
}
