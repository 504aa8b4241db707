#include "exchange/po_file.h"

#include <gettext-po.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <memory>

#include "common/cp1252.h"
#include "common/file_helpers.h"
#include "common/run_error.h"

namespace orvane {

namespace {


// The two bytes a PO string cannot hold travel as the control pictures of their characters.
struct StandIn {
  char byte;
  std::string_view symbol;
};
constexpr StandIn kStandIns[] = {{'\x00', "\xE2\x90\x80"},   // NUL ends a C string: U+2400
                                 {'\x04', "\xE2\x90\x84"}};  // EOT separates msgctxt from msgid: U+2404

// The library reports through plain function pointers, so the problems of the one call running on
// this thread are collected here.
thread_local std::vector<PoProblem>* tProblems = nullptr;

void Report(int severity, size_t line, const char* text) {
  if (severity != PO_SEVERITY_WARNING && tProblems) {
    std::string message = text ? text : "";
    while (!message.empty() && message.back() == '\n') message.pop_back();
    tProblems->push_back({line == static_cast<size_t>(-1) ? 0 : line, message});
  }
  // The library must not get control back after a fatal error.
  if (severity == PO_SEVERITY_FATAL_ERROR) throw RunError(errors::kDeviceIo, text ? text : "PO file error");
}

void OnError(int severity, po_message_t, const char*, size_t line, size_t, int, const char* text) {
  Report(severity, line, text);
}

void OnError2(int severity, po_message_t, const char*, size_t line, size_t, int, const char* text, po_message_t,
              const char*, size_t, size_t, int, const char*) {
  Report(severity, line, text);
}

const po_xerror_handler kHandler{OnError, OnError2};

class CollectProblems {
 public:
  explicit CollectProblems(std::vector<PoProblem>& problems) { tProblems = &problems; }
  ~CollectProblems() { tProblems = nullptr; }
};

// gettext 0.21 leaves every message's msgctxt behind when it frees a file; setting it to nothing
// frees it first.
struct FileFree {
  void operator()(po_file_t file) const {
    po_message_iterator_t messages = po_message_iterator(file, nullptr);
    while (po_message_t message = po_next_message(messages)) po_message_set_msgctxt(message, nullptr);
    po_message_iterator_free(messages);
    po_file_free(file);
  }
};
struct IteratorFree {
  void operator()(po_message_iterator_t iterator) const { po_message_iterator_free(iterator); }
};
using PoFilePtr = std::unique_ptr<std::remove_pointer_t<po_file_t>, FileFree>;
using IteratorPtr = std::unique_ptr<std::remove_pointer_t<po_message_iterator_t>, IteratorFree>;

std::string_view Keyword(std::string_view line) {
  const size_t start = line.find_first_not_of(" \t");
  if (start == std::string_view::npos) return {};
  line.remove_prefix(start);
  const size_t end = line.find_first_of(" \t\"");
  return line.substr(0, end);
}

void AddMessage(po_message_iterator_t at, const PoEntry& entry) {
  po_message_t message = po_message_create();
  if (entry.hasContext) po_message_set_msgctxt(message, entry.context.c_str());
  po_message_set_msgid(message, entry.msgid.c_str());
  po_message_set_msgstr(message, entry.msgstr.c_str());
  if (!entry.extractedComment.empty())
    po_message_set_extracted_comments(message, (entry.extractedComment + "\n").c_str());
  if (!entry.translatorComment.empty()) po_message_set_comments(message, (entry.translatorComment + "\n").c_str());
  po_message_set_fuzzy(message, entry.fuzzy ? 1 : 0);
  po_message_insert(at, message);
}

// For every byte of every string the library asks iconv, through a converter opened per string,
// where the character ends: the old Asian charsets have second bytes that look like ASCII quotes or
// backslashes. No byte of a UTF-8 multibyte character is below 0x80, so the byte-wise way the
// library takes under OLD_PO_FILE_OUTPUT writes the same file in well under half the time (the one
// mark of that old format, a backslash after a multibyte character ending in 0x5C, cannot occur in
// UTF-8). The library reads the variable for every string, so it is set once and stays; what iconv
// checked on the way, that every string is UTF-8, is checked before the write.
void WriteByteWise() { [[maybe_unused]] static const int set = ::setenv("OLD_PO_FILE_OUTPUT", "1", 1); }

void CheckUtf8(const std::string& header, const std::vector<PoEntry>& entries) {
  bool valid = IsUtf8(header);
  for (const PoEntry& entry : entries)
    valid = valid && IsUtf8(entry.context) && IsUtf8(entry.msgid) && IsUtf8(entry.msgstr) &&
            IsUtf8(entry.extractedComment) && IsUtf8(entry.translatorComment);
  if (!valid) throw RunError(errors::kDeviceIo, "invalid multibyte sequence");
}

// An anonymous file in memory that the library opens by name: it reads exactly the bytes checked
// here, and what it writes lands on no disk, so that neither a missing temporary folder nor a
// killed run leaves anything behind.
class MemoryFile {
 public:
  MemoryFile() : fd_(::memfd_create("orvane-po", MFD_CLOEXEC)) {
    if (fd_ < 0) throw MakeRunError(errors::kPathAccess, "no file in memory");
  }
  ~MemoryFile() { ::close(fd_); }
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;

  std::string path() const { return "/proc/self/fd/" + std::to_string(fd_); }

  void write(std::string_view bytes) const {
    for (size_t done = 0; done < bytes.size();) {
      const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) throw MakeRunError(errors::kOutOfMemory);
      done += static_cast<size_t>(n);
    }
  }

  std::vector<uint8_t> bytes() const { return ReadOpenFile(fd_); }

 private:
  int fd_;
};

std::vector<uint8_t> PrintToBytes(po_file_t file) {
  const MemoryFile scratch;
  std::vector<PoProblem> problems;
  const CollectProblems collect(problems);
  po_file_write(file, scratch.path().c_str(), &kHandler);
  if (!problems.empty()) throw RunError(errors::kDeviceIo, problems.front().text);
  return scratch.bytes();
}

// Whether a string line's escapes give a NUL: "\0", "\000" or "\x00" would end the C string the
// library hands over, and the text would arrive cut.
bool EscapesNul(std::string_view line) {
  const auto digits = [&](size_t at, size_t most, int base) {
    size_t n = 0;
    int value = 0;
    for (; n < most && at + n < line.size(); ++n) {
      const char c = line[at + n];
      const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10
                        : c >= 'A' && c <= 'F' ? c - 'A' + 10 : base;
      if (digit >= base) break;
      value |= digit;
    }
    return std::pair(n, value);
  };
  for (size_t i = 0; i + 1 < line.size(); ++i) {
    if (line[i] != '\\') continue;
    ++i;
    const bool hex = line[i] == 'x';
    const auto [count, value] = digits(hex ? i + 1 : i, hex ? std::string_view::npos : 3, hex ? 16 : 8);
    if (count > 0 && value == 0) return true;
  }
  return false;
}

// What the file's own lines tell before the library reads it: where each entry begins (a msgctxt
// line, or a msgid line that no msgctxt line comes before; obsolete "#~" entries are comments), and
// the lines that would give a NUL. A line ends in LF, CR LF or a lone CR.
struct LineScan {
  std::vector<size_t> starts;
  std::vector<size_t> nulLines;
};

LineScan ScanLines(std::string_view text) {
  LineScan scan;
  bool afterContext = false;
  size_t number = 0;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    ++number;
    const std::string_view keyword = Keyword(line);
    if (keyword == "msgctxt") {
      scan.starts.push_back(number);
      afterContext = true;
    } else if (keyword == "msgid") {
      if (!afterContext) scan.starts.push_back(number);
      afterContext = false;
    }
    if (line.find('\0') != std::string_view::npos || (!keyword.starts_with("#") && EscapesNul(line)))
      scan.nulLines.push_back(number);
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return scan;
}

}  // namespace

std::string PoText(std::string_view bytes) {
  const std::string utf8 = Cp1252ToUtf8(bytes);
  std::string text;
  text.reserve(utf8.size());
  for (char c : utf8) {
    const auto* standIn =
        std::find_if(std::begin(kStandIns), std::end(kStandIns), [c](const StandIn& s) { return s.byte == c; });
    if (standIn != std::end(kStandIns))
      text += standIn->symbol;
    else
      text += c;
  }
  return text;
}

std::optional<std::string> BytesFromPo(std::string_view text, std::string* refused) {
  std::string utf8;
  utf8.reserve(text.size());
  for (size_t k = 0; k < text.size();) {
    const auto* standIn = std::find_if(std::begin(kStandIns), std::end(kStandIns),
                                       [&](const StandIn& s) { return text.substr(k, s.symbol.size()) == s.symbol; });
    if (standIn != std::end(kStandIns)) {
      utf8 += standIn->byte;
      k += standIn->symbol.size();
    } else {
      utf8 += text[k++];
    }
  }
  return Utf8ToCp1252(utf8, refused);
}

PoReadResult ReadPoFile(const std::string& path) {
  const std::vector<uint8_t> bytes = ReadWholeFile(path, kLargestPo);
  std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  // Editors on Windows like to start a UTF-8 file with a byte order mark, which the library takes
  // for a syntax error. It stands before the first line, so the line numbers stay.
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  PoReadResult result;
  const LineScan scan = ScanLines(text);
  for (const size_t line : scan.nulLines)
    result.problems.push_back({line, "a NUL character (\\0), which would cut the text there"});
  if (scan.starts.size() > kMostPoEntries)
    result.problems.push_back({0, "the file holds " + std::to_string(scan.starts.size()) + " entries, more than the " +
                                      std::to_string(kMostPoEntries) + " a PO file of this program may have"});
  if (!result.problems.empty()) return result;

  const MemoryFile checked;
  checked.write(text);
  PoFilePtr file;
  {
    const CollectProblems collect(result.problems);
    file.reset(po_file_read(checked.path().c_str(), &kHandler));
  }
  if (!file) throw MakeRunError(errors::kFileNotFound);

  const IteratorPtr messages(po_message_iterator(file.get(), nullptr));
  std::vector<po_message_t> present;
  while (po_message_t message = po_next_message(messages.get()))
    if (!po_message_is_obsolete(message)) present.push_back(message);

  for (size_t i = 0; i < present.size(); ++i) {
    po_message_t message = present[i];
    const char* context = po_message_msgctxt(message);
    if (!context && *po_message_msgid(message) == '\0') {
      result.header = po_message_msgstr(message);
      continue;
    }
    PoEntry entry;
    entry.hasContext = context != nullptr;
    entry.context = context ? context : "";
    entry.msgid = po_message_msgid(message);
    entry.msgstr = po_message_msgstr(message);
    entry.fuzzy = po_message_is_fuzzy(message) != 0;
    entry.plural = po_message_msgid_plural(message) != nullptr;
    // A file the library read with complaints may have lost an entry; its lines are then unknown.
    entry.line = scan.starts.size() == present.size() ? scan.starts[i] : 0;
    result.entries.push_back(std::move(entry));
  }
  return result;
}

void WritePoFile(const std::string& path, const std::string& header, const std::vector<PoEntry>& entries) {
  CheckUtf8(header, entries);
  WriteByteWise();
  const PoFilePtr file(po_file_create());
  {
    const IteratorPtr at(po_message_iterator(file.get(), nullptr));
    PoEntry head;
    head.msgstr = header;
    AddMessage(at.get(), head);
    for (const PoEntry& entry : entries) AddMessage(at.get(), entry);
  }
  WriteFileAtomically(path, PrintToBytes(file.get()));
}

}  // namespace orvane
