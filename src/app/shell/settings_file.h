#pragma once
// settings.ini in the program's folder: line 1 OhneOptimierWarnung, line 2 Einstellung2.

#include <string>

#include "settings.h"

namespace orvane::shell {

inline constexpr const char* kSettingsFileName = "settings.ini";

// Missing file → 1 and 4. Each line gives the number at its start (leading blanks skipped; no
// number → 0); a missing line or a number outside 16 bits keeps that value's default.
void ReadSettings(Settings& settings, const std::string& path);

// " 1 " CR LF " 4 " CR LF. Returns false when the file could not be written.
bool WriteSettings(const Settings& settings, const std::string& path);

}  // namespace orvane::shell
