#pragma once
// Comma-separated values as RFC 4180 has them: fields in double quotes when they hold a comma, a
// quote or a line break, a quote inside doubled, records ending with CR LF (a lone LF is read too).

#include <string>
#include <string_view>
#include <vector>

namespace orvane {

using CsvRecord = std::vector<std::string>;

// One record with its CR LF.
std::string CsvLine(const CsvRecord& fields);

// Every record of `text`. Throws std::runtime_error ("line 3: ...") on a quote that is never closed
// or a quoted field followed by anything but a comma or the record's end.
std::vector<CsvRecord> ParseCsv(std::string_view text);

}  // namespace orvane
