#include "rom/character_table.h"

#include <filesystem>
#include <string_view>

#include "common/file_helpers.h"
#include "common/run_error.h"
#include "common/text_helpers.h"

namespace orvane {

std::string FindTableFile(const std::string& programFolder, const std::string& romPath) {
  if (!programFolder.empty()) {
    std::string inProgramFolder = programFolder;
    if (inProgramFolder.back() != '/' && inProgramFolder.back() != '\\') inProgramFolder += '/';
    inProgramFolder += kTableFileName;
    if (FileExists(inProgramFolder)) return inProgramFolder;
  }
  const std::string besideRom = ParentFolder(romPath) + kTableFileName;
  if (FileExists(besideRom)) return besideRom;
  return {};
}

std::string DataFolder(const std::string& programFolder) {
  if (FileExists(programFolder + kTableFileName)) return programFolder;
  const std::string installed =
      (std::filesystem::path(programFolder) / "../share/orvane-texteditor/").lexically_normal().string();
  return FileExists(installed + kTableFileName) ? installed : programFolder;
}

void ReadTableFile(Document& doc, const std::vector<uint8_t>& fileBytes) {
  if (fileBytes.empty()) throw MakeRunError(errors::kPastEndOfFile);
  const std::string_view file(reinterpret_cast<const char*>(fileBytes.data()), fileBytes.size());
  size_t start = 0;
  for (int number = 1; start < file.size(); ++number) {
    size_t end = file.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = file.size();
    const std::string_view line = file.substr(start, end - start);
    const std::string place = "line " + std::to_string(number) + " of the table file";
    int32_t code = 0;
    try {
      code = HexToNumber(line.substr(0, 2));
    } catch (const RunError& error) {
      throw error.At(place);
    }
    if (line.size() < 3) throw MakeRunError(errors::kTypeMismatch).At(place);
    doc.Tabelle[2][static_cast<size_t>(code)] = std::string(line.substr(3));
    start = end;
    if (start < file.size() && file[start] == '\r') ++start;
    if (start < file.size() && file[start] == '\n') ++start;
  }
}

}  // namespace orvane
