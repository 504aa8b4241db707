#include "exchange/po_file.h"

#include <gettext-po.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "common/cp1252.h"
#include "common/file_helpers.h"
#include "common/run_error.h"

namespace orvane {

namespace {

namespace fs = std::filesystem;

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

// The library writes to a named file only: it gets a private scratch file, whose bytes then
// replace the target in one step.
std::vector<uint8_t> PrintToBytes(po_file_t file) {
  std::string scratch = (fs::temp_directory_path() / "orvane-po-XXXXXX").string();
  const int fd = ::mkstemp(scratch.data());
  if (fd < 0) throw MakeRunError(errors::kPathAccess);
  ::close(fd);
  std::vector<PoProblem> problems;
  try {
    const CollectProblems collect(problems);
    po_file_write(file, scratch.c_str(), &kHandler);
    if (!problems.empty()) throw RunError(errors::kDeviceIo, problems.front().text);
    std::vector<uint8_t> bytes = ReadWholeFile(scratch);
    ::unlink(scratch.c_str());
    return bytes;
  } catch (...) {
    ::unlink(scratch.c_str());
    throw;
  }
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

std::vector<size_t> EntryStartLines(std::string_view fileText) {
  std::vector<size_t> starts;
  bool afterContext = false;
  size_t number = 0;
  for (size_t start = 0; start < fileText.size();) {
    size_t end = fileText.find('\n', start);
    if (end == std::string_view::npos) end = fileText.size();
    ++number;
    const std::string_view keyword = Keyword(fileText.substr(start, end - start));
    if (keyword == "msgctxt") {
      starts.push_back(number);
      afterContext = true;
    } else if (keyword == "msgid") {
      if (!afterContext) starts.push_back(number);
      afterContext = false;
    }
    start = end + 1;
  }
  return starts;
}

PoReadResult ReadPoFile(const std::string& path) {
  const std::vector<uint8_t> bytes = ReadWholeFile(path);
  PoReadResult result;
  PoFilePtr file;
  {
    const CollectProblems collect(result.problems);
    file.reset(po_file_read(path.c_str(), &kHandler));
  }
  if (!file) throw MakeRunError(errors::kFileNotFound);

  const IteratorPtr messages(po_message_iterator(file.get(), nullptr));
  std::vector<po_message_t> present;
  while (po_message_t message = po_next_message(messages.get()))
    if (!po_message_is_obsolete(message)) present.push_back(message);
  const std::vector<size_t> starts =
      EntryStartLines(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));

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
    // A file the library read with complaints may have lost an entry; its lines are then unknown.
    entry.line = starts.size() == present.size() ? starts[i] : 0;
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
