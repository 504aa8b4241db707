#include "shell/settings_file.h"

#include <cctype>
#include <sstream>
#include <limits>

#include "common/file_helpers.h"
#include "common/run_error.h"
#include "common/text_helpers.h"

namespace orvane::shell {

namespace {

// The number at the start of a line; nothing when it is out of range.
bool LeadingNumber(const std::string& line, int16_t& value) {
  size_t i = 0;
  while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
  bool negative = false;
  if (i < line.size() && (line[i] == '-' || line[i] == '+')) negative = line[i++] == '-';
  long number = 0;
  for (; i < line.size() && std::isdigit(static_cast<unsigned char>(line[i])); ++i) {
    number = number * 10 + (line[i] - '0');
    if (number > 40000) return false;
  }
  if (negative) number = -number;
  if (number < std::numeric_limits<int16_t>::min() || number > std::numeric_limits<int16_t>::max()) return false;
  value = static_cast<int16_t>(number);
  return true;
}

}  // namespace

void ReadSettings(Settings& settings, const std::string& path) {
  settings.OhneOptimierWarnung = 1;
  settings.Einstellung2 = 4;
  // Two short lines: anything that is not a small regular file is no settings file of ours.
  constexpr uint64_t kLargestSettings = 4096;
  std::istringstream in;
  try {
    const std::vector<uint8_t> bytes = ReadWholeFile(path, kLargestSettings);
    in.str(std::string(bytes.begin(), bytes.end()));
  } catch (const RunError&) {
    return;
  }
  std::string line;
  int16_t value = 0;
  if (std::getline(in, line) && LeadingNumber(line, value)) settings.OhneOptimierWarnung = value;
  if (std::getline(in, line) && LeadingNumber(line, value)) settings.Einstellung2 = value;
}

bool WriteSettings(const Settings& settings, const std::string& path) {
  const std::string content =
      PrintedNumber(settings.OhneOptimierWarnung) + "\r\n" + PrintedNumber(settings.Einstellung2) + "\r\n";
  try {
    WriteFileAtomically(path, content);
    return true;
  } catch (const RunError&) {
    return false;
  }
}

}  // namespace orvane::shell
