#include "report/report_page.h"

#include <algorithm>
#include <cstdio>

#include "common/cp1252.h"
#include "common/file_helpers.h"
#include "common/text_helpers.h"

namespace orvane {

namespace {

std::string Style() {
  return "body{font-family:sans-serif;margin:24px;color:#222;background:#fff}"
         "h1{font-size:22px;margin:0 0 4px}h2{font-size:17px;margin:22px 0 8px}"
         "p.meta{margin:0;color:#555}"
         "table{border-collapse:collapse}"
         "td,th{padding:2px 10px 2px 0;text-align:left;font-size:13px;white-space:nowrap}"
         "td.n{text-align:right}"
         ".bar{display:flex;width:200px;min-width:200px;height:12px;background:" + std::string(kRoomColour) +
         "}.bar span{display:block;height:100%}"
         ".key{display:inline-block;width:10px;height:10px;margin:0 4px 0 8px}";
}

std::string Escaped(const std::string& text) {
  const std::string utf8 = IsUtf8(text) ? text : Cp1252ToUtf8(text);
  std::string out;
  for (const char c : utf8) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string Percent(double part, double whole) {
  char text[16];
  std::snprintf(text, sizeof text, "%.3f%%", whole > 0 ? std::clamp(100.0 * part / whole, 0.0, 100.0) : 0.0);
  return text;
}

std::string Segment(double part, double whole, const char* colour) {
  if (part <= 0) return {};
  return "<span style=\"width:" + Percent(part, whole) + ";background:" + colour + "\"></span>";
}

std::string StatusBar(const StatusCounts& counts) {
  std::string bar = "<div class=\"bar\">";
  for (int s = 0; s < kStatusCount; ++s)
    bar += Segment(counts.count[static_cast<size_t>(s)], counts.total(), kStatusColours[static_cast<size_t>(s)]);
  return bar + "</div>";
}

std::string FillBar(int64_t used, int64_t room, bool fits) {
  const char* colour = fits ? kUsedColour : kOverColour;
  return "<div class=\"bar\">" + Segment(static_cast<double>(used), static_cast<double>(room), colour) + "</div>";
}

std::string Cell(const std::string& text, bool number = false) {
  return (number ? "<td class=\"n\">" : "<td>") + text + "</td>";
}

std::string RoomCells(const AreaFit& area) {
  return Cell(FillBar(area.used, area.capacity, area.fits)) +
         Cell(std::to_string(area.used) + " of " + std::to_string(area.capacity) + " bytes" +
              (area.fits ? "" : " &mdash; does not fit"));
}

std::string StatusRow(const std::string& label, const StatusCounts& counts) {
  std::string row = "<tr>" + Cell(label) + Cell(std::to_string(counts.total()), true);
  for (const int32_t n : counts.count) row += Cell(std::to_string(n), true);
  return row + Cell(counts.percentDone() + "%", true) + Cell(StatusBar(counts));
}

std::string Legend() {
  std::string legend = "<p class=\"meta\">";
  for (int s = 0; s < kStatusCount; ++s)
    legend += "<span class=\"key\" style=\"background:" + std::string(kStatusColours[static_cast<size_t>(s)]) +
              "\"></span>" + std::string(StatusName(static_cast<TextStatus>(s))) + " ";
  return legend + "</p>";
}

std::string BanksSection(const ReportFigures& figures) {
  std::string html = "<h2>Dialogue</h2>" + Legend() + "<table><tr><th>Bank</th><th>Texts</th>";
  for (int s = 0; s < kStatusCount; ++s) html += "<th>" + std::string(StatusName(static_cast<TextStatus>(s))) + "</th>";
  html += "<th>Done</th><th>Statuses</th><th>Room</th><th>Bytes</th></tr>";
  for (const BankFigures& bank : figures.banks)
    html += StatusRow(std::to_string(bank.bank), bank.statuses) + RoomCells(bank.room) + "</tr>";
  return html + StatusRow("All", figures.total) + "</tr></table>";
}

std::string RoomSection(const ReportFigures& figures) {
  std::string html = "<h2>Dictionary and name areas</h2><table><tr><th>Area</th><th>Room</th><th>Bytes</th></tr>";
  html += "<tr>" + Cell("dictionary (" + std::to_string(figures.dictionaryEntries) + " of " +
                        std::to_string(kDictionaryEntries) + " entries)") +
          RoomCells(figures.dictionaryRoom) + "</tr>";
  for (const AreaFit& area : figures.nameAreas) html += "<tr>" + Cell(Escaped(area.name)) + RoomCells(area) + "</tr>";
  return html + "</table>";
}

std::string NamesSection(const ReportFigures& figures) {
  std::string html = "<h2>Name lists</h2><table><tr><th>List</th><th>Renamed</th><th>Names</th><th></th></tr>";
  for (const NameListFigures& list : figures.nameLists)
    html += "<tr>" + Cell(list.name) + Cell(std::to_string(list.renamed), true) +
            Cell(std::to_string(list.names), true) + Cell(FillBar(list.renamed, list.names, true)) + "</tr>";
  return html + "</table>";
}

std::string ProblemsSection(const ReportFigures& figures) {
  std::string html = "<h2>Problems</h2><table><tr><th>Kind</th><th>Count</th></tr>";
  for (const ProblemCount& problem : figures.problems)
    html += "<tr>" + Cell(std::string(KindName(problem.kind))) + Cell(std::to_string(problem.count), true) + "</tr>";
  return html + "</table>";
}

}  // namespace

std::string ProgressReportHtml(const ReportFigures& figures, const ReportHeading& heading) {
  const std::string name = Escaped(heading.projectName);
  const std::string date = heading.date.empty() ? LocalTimeText("%Y-%m-%d") : heading.date;
  return "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\"><title>Progress report: " + name +
         "</title><style>" + Style() + "</style></head><body>"
         "<h1>Progress report: " + name + "</h1><p class=\"meta\">" + date + " &middot; " +
         std::to_string(figures.total.total()) + " dialogue texts, " + figures.total.percentDone() +
         "% done</p>" + BanksSection(figures) + RoomSection(figures) + NamesSection(figures) +
         ProblemsSection(figures) + "<p class=\"meta\">Made by Orvane Texteditor.</p></body></html>\n";
}

void WriteProgressReport(const Document& doc, const std::string& path, const ReportHeading& heading) {
  WriteFileAtomically(path, ProgressReportHtml(MeasureReport(doc), heading));
}

}  // namespace orvane
