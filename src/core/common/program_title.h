#pragma once
// The program's name and the main window's caption built from it.

#include <string>

namespace orvane {

inline constexpr const char* kProgramName = "Orvane Texteditor";

// "Orvane Texteditor V <major>.<minor>".
inline std::string MakeFenstertitel(int major = ORVANE_VERSION_MAJOR, int minor = ORVANE_VERSION_MINOR) {
  return std::string(kProgramName) + " V " + std::to_string(major) + "." + std::to_string(minor);
}

}  // namespace orvane
