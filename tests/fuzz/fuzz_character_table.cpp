// The character table file from arbitrary bytes: it is read or refused with error 13 or 62 (only
// for an empty file); what it reads holds no line break and survives being written back as a
// table file and read again.
#include "common/run_error.h"
#include "harness.h"
#include "rom/character_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace orvane;
  static Document doc, reread;  // only column 2 matters; "\n" marks the codes the file did not name
  for (Document* d : {&doc, &reread}) d->Tabelle[2].fill("\n");
  try {
    ReadTableFile(doc, std::vector<uint8_t>(data, data + size));
  } catch (const RunError& e) {
    return FUZZ_CHECK(e.number() == (size == 0 ? errors::kPastEndOfFile : errors::kTypeMismatch)), 0;
  }
  std::string again;
  for (int code = 0; code < kCodes; ++code) {
    const std::string& text = doc.Tabelle[2][code];
    FUZZ_CHECK(text == "\n" || text.find_first_of("\r\n") == std::string::npos);
    if (text != "\n")
      again += std::string{"0123456789abcdef"[code >> 4], "0123456789ABCDEF"[code & 15], '='} + text + "\r\n";
  }
  ReadTableFile(reread, std::vector<uint8_t>(again.begin(), again.end()));
  FUZZ_CHECK(reread.Tabelle == doc.Tabelle);
  return 0;
}
