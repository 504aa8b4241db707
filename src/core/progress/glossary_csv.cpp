#include "progress/glossary_csv.h"

#include <filesystem>
#include <stdexcept>

#include "common/cp1252.h"
#include "common/csv.h"
#include "common/file_helpers.h"
#include "common/run_error.h"

namespace orvane {

namespace {

const CsvRecord kHeader = {"source", "target", "note"};

std::string FileName(const std::string& path) { return std::filesystem::path(path).filename().string(); }

}  // namespace

std::string GlossaryCsv(const std::vector<GlossaryTerm>& terms) {
  std::string text = CsvLine(kHeader);
  for (const GlossaryTerm& term : terms)
    text += CsvLine({Cp1252ToUtf8(term.source), Cp1252ToUtf8(term.target), Cp1252ToUtf8(term.note)});
  return text;
}

std::vector<GlossaryTerm> GlossaryFromCsv(std::string_view utf8) {
  if (utf8.starts_with("\xEF\xBB\xBF")) utf8.remove_prefix(3);
  if (!IsUtf8(utf8)) throw std::runtime_error("it is not UTF-8 text");
  const std::vector<CsvRecord> records = ParseCsv(utf8);
  if (records.empty() || records[0] != kHeader)
    throw std::runtime_error("line 1: the first line must be \"source,target,note\"");
  std::vector<GlossaryTerm> terms;
  for (size_t i = 1; i < records.size(); ++i) {
    const CsvRecord& record = records[i];
    const std::string line = "line " + std::to_string(i + 1) + ": ";
    if (record.size() == 1 && record[0].empty()) continue;  // a blank line
    if (record.size() < 2 || record.size() > 3)
      throw std::runtime_error(line + std::to_string(record.size()) + " fields instead of source, target and note");
    std::string fields[3];
    for (size_t f = 0; f < record.size(); ++f) {
      std::string refused;
      const std::optional<std::string> bytes = Utf8ToCp1252(record[f], &refused);
      if (!bytes) throw std::runtime_error(line + "\"" + refused + "\" is not in the game's character set");
      fields[f] = *bytes;
    }
    if (fields[0].empty()) throw std::runtime_error(line + "the source term is empty");
    terms.push_back({fields[0], fields[1], fields[2]});
  }
  return terms;
}

std::vector<GlossaryTerm> ReadGlossaryFile(const std::string& path) {
  try {
    const std::vector<uint8_t> bytes = ReadWholeFile(path);
    return GlossaryFromCsv(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  } catch (const std::runtime_error& error) {
    throw std::runtime_error(FileName(path) + ": " + error.what());
  }
}

void WriteGlossaryFile(const std::string& path, const std::vector<GlossaryTerm>& terms) {
  try {
    WriteFileAtomically(path, GlossaryCsv(terms));
  } catch (const RunError& error) {
    throw std::runtime_error(FileName(path) + ": " + error.description());
  }
}

}  // namespace orvane
