#include "writer/save_report.h"

#include <cstdio>

namespace orvane {

std::string FormatSeconds(double seconds) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.2f", seconds);
  return buffer;
}

Message FinishedMessage(double elapsedSeconds) {
  return MakeMessage(
      "Finished!",
      std::string("Data has been saved succesfully!") + kCrLf + "Time needed:" + FormatSeconds(elapsedSeconds) + " sec",
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

Message OverflowMessage(const std::vector<std::string>& notes) {
  std::string text = "These entries did not fit into their areas and were not written:";
  for (const std::string& note : notes) text += kCrLf + note;
  return MakeMessage("Not everything fitted!", text, Icon::Exclamation, Buttons::Ok, true);
}

}  // namespace orvane
