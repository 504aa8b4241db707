#pragma once
// The progress report as one HTML page that needs nothing but itself: the styles are inline, there
// are no scripts, pictures or links, so it can be mailed, put on a wiki or opened from a USB stick.

#include <array>
#include <string>

#include "document.h"
#include "report/report_figures.h"

namespace orvane {

// The bars' colours: the statuses in their order (as the editor's text list marks them), then the
// bytes used, the room left and a use beyond the room.
inline constexpr std::array<const char*, kStatusCount> kStatusColours{"#aaaaaa", "#e68c14", "#286edc", "#1ea03c"};
inline constexpr const char* kUsedColour = "#7a4fb0";
inline constexpr const char* kRoomColour = "#e4e4e4";
inline constexpr const char* kOverColour = "#c0392b";

struct ReportHeading {
  std::string projectName;  // UTF-8, or 8-bit as a file name may be
  std::string date;         // "2026-12-07"; empty takes today's
};

std::string ProgressReportHtml(const ReportFigures& figures, const ReportHeading& heading);

// Measures `doc` and replaces `path` with its report. Throws RunError as WriteFileAtomically does.
void WriteProgressReport(const Document& doc, const std::string& path, const ReportHeading& heading);

}  // namespace orvane
