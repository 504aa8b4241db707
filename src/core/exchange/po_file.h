#pragma once
// PO files through gettext's own library (libgettextpo): reading with every problem the library
// reports, and writing. Texts cross in both directions through the byte-transparent Windows-1252
// mapping as UTF-8; the two bytes a PO string cannot hold, 0x00 (which ends a C string) and 0x04
// (which separates msgctxt from msgid), travel as U+2400 and U+2404, their control pictures.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

struct PoEntry {
  bool hasContext = false;
  std::string context;  // msgctxt, UTF-8
  std::string msgid;
  std::string msgstr;
  std::string extractedComment;  // the "#." lines, without the marks; written, not read
  std::string translatorComment;  // the "# " lines, without the marks; written, not read
  bool fuzzy = false;
  bool plural = false;  // has msgid_plural; only msgstr[0] is read
  size_t line = 0;  // where the entry begins in the file (its msgctxt or msgid line); 0 when unknown
};

struct PoProblem {
  size_t line = 0;  // 0 when the library names no line
  std::string text;
};

struct PoReadResult {
  std::string header;               // msgstr of the header entry
  std::vector<PoEntry> entries;     // file order; the header and obsolete entries left out
  std::vector<PoProblem> problems;  // syntax errors and the like, as the library reports them
};

// The most entries a PO file may hold: the game has fewer than 6000 places.
inline constexpr size_t kMostPoEntries = 100000;

// Reads `path` (a UTF-8 byte order mark at its start is passed over; lines may end in LF, CR LF or
// CR). A file with a NUL character, escaped or not, or with more than kMostPoEntries entries is not
// given to the library: its problems say where. Throws RunError 53 when the file cannot be opened,
// 75 when it is larger than kLargestPo.
PoReadResult ReadPoFile(const std::string& path);

// Writes the header entry and `entries` (context, msgid, msgstr, comments, fuzzy) into
// `path`, replacing it atomically. Throws RunError when it cannot be written, or (57) when a text is
// not UTF-8.
void WritePoFile(const std::string& path, const std::string& header, const std::vector<PoEntry>& entries);

// Document bytes as a PO string and back. Nothing comes back for a character without a byte;
// `refused` then names it.
std::string PoText(std::string_view bytes);
std::optional<std::string> BytesFromPo(std::string_view text, std::string* refused = nullptr);

}  // namespace orvane
