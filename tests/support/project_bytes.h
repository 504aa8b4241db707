#pragma once
// The project as its two files hold it: the project file and the progress file beside it.

#include <string>

#include "common/progress_sink.h"
#include "project/companion_file.h"
#include "project/project_file.h"

namespace orvane::testing {

inline std::string ProjectBytes(const Document& doc) {
  SilentProgress silent;
  return ProjectText(doc, silent) + CompanionText(doc);
}

}  // namespace orvane::testing
