#include "common/csv.h"

#include <stdexcept>

namespace orvane {

namespace {

bool RecordEndAt(std::string_view text, size_t at) {
  return text[at] == '\n' || (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n');
}

}  // namespace

std::string CsvLine(const CsvRecord& fields) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += ',';
    const std::string& field = fields[i];
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
      line += field;
      continue;
    }
    line += '"';
    for (const char c : field) line += c == '"' ? std::string("\"\"") : std::string(1, c);
    line += '"';
  }
  return line + "\r\n";
}

std::vector<CsvRecord> ParseCsv(std::string_view text) {
  std::vector<CsvRecord> records;
  CsvRecord record;
  std::string field;
  int line = 1, recordLine = 1;
  const auto fail = [&](const std::string& what) {
    throw std::runtime_error("line " + std::to_string(recordLine) + ": " + what);
  };
  size_t at = 0;
  const auto endRecord = [&] {
    record.push_back(std::move(field));
    field.clear();
    records.push_back(std::move(record));
    record.clear();
  };
  while (at < text.size()) {
    recordLine = line;
    if (text[at] == '"') {
      for (++at;; ++at) {
        if (at >= text.size()) fail("a quoted field is never closed");
        if (text[at] == '\n') ++line;
        if (text[at] != '"') {
          field += text[at];
        } else if (at + 1 < text.size() && text[at + 1] == '"') {
          field += '"';
          ++at;
        } else {
          break;
        }
      }
      ++at;
    } else {
      while (at < text.size() && text[at] != ',' && !RecordEndAt(text, at)) {
        if (text[at] == '"') fail("a quote inside a field that does not start with one");
        field += text[at++];
      }
    }
    if (at == text.size()) {
      endRecord();
    } else if (text[at] == ',') {
      record.push_back(std::move(field));
      field.clear();
      ++at;
      if (at == text.size()) endRecord();
    } else if (RecordEndAt(text, at)) {
      at += text[at] == '\r' ? 2 : 1;
      ++line;
      endRecord();
    } else {
      fail("a quoted field is followed by more than a comma or the end of the line");
    }
  }
  return records;
}

}  // namespace orvane
