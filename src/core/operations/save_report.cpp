#include "operations/save_report.h"

#include <cstdio>

namespace orvane {

std::string FormatSeconds(double seconds) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.2f", seconds);
  return buffer;
}

Message FinishedMessage(double elapsedSeconds, size_t readBackDifferences, const std::string& listed) {
  const std::string found =
      readBackDifferences == 0
          ? "every text as typed."
          : std::to_string(readBackDifferences) + (readBackDifferences == 1 ? " text differs" : " texts differ") +
                " from what was typed (" + listed + ").";
  return MakeMessage("Finished!",
                     std::string("Data has been saved succesfully!") + kCrLf + "Time needed:" +
                         FormatSeconds(elapsedSeconds) + " sec" + kCrLf + "Read back: " + found,
                     Icon::Information, Buttons::Ok, true);
}

std::string FreeSpaceReport(const WriteContext& ctx) {
  std::string text = "Free Space in bytes:";
  for (int b = 1; b <= kBankCount; ++b) {
    text += kCrLf + std::string("Bank") + std::to_string(b) + ":" + std::to_string(ctx.FreierPlatz[b]);
  }
  text += kCrLf;
  text += kCrLf + std::string("Titles: ") + std::to_string(ctx.titlesFree);
  text += kCrLf + std::string("Locations: ") + std::to_string(ctx.locationsFree);
  text += kCrLf + std::string("Iteminfo: ") + std::to_string(ctx.itemInfoFree);
  return text;
}

Message InfoMessage(const WriteContext& ctx) {
  return MakeMessage("Info", FreeSpaceReport(ctx), Icon::Information, Buttons::Ok, true);
}

Message OverflowMessage(const std::vector<OverflowNote>& notes) {
  std::string left, cut;
  for (const OverflowNote& note : notes) (note.cut ? cut : left) += kCrLf + note.text;
  std::string text;
  if (!left.empty()) text = "These entries did not fit into their areas and were not written:" + left;
  if (!left.empty() && !cut.empty()) text += kCrLf + std::string(kCrLf);
  if (!cut.empty()) text += "These entries were cut to fit: only their first characters were written:" + cut;
  return MakeMessage("Not everything fitted!", text, Icon::Exclamation, Buttons::Ok, true);
}

}  // namespace orvane
