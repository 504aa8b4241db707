#pragma once
// Runs part of a test in a forked child so that it can fail the way real machines fail: killed at a
// chosen moment, stopped by a file size limit (a full disk), or without root's power over file modes.

#include <functional>
#include <string>

namespace orvane::testing {

struct ChildOptions {
  bool unprivileged = false;    // when the tests run as root, the child becomes "nobody" first
  long fileSizeLimit = -1;      // bytes a file may grow to; writes beyond fail as on a full disk
  long killAfterMicros = -1;    // the child gets SIGKILL this long after it was started
};

struct ChildResult {
  bool killed = false;  // ended by SIGKILL before it finished
  int exitCode = -1;    // 0 when the body returned, 2 when it threw
  std::string report;   // what the body returned (or the exception's text)
};

// The body runs in the child; its returned text comes back through a pipe.
ChildResult RunInChild(const std::function<std::string()>& body, const ChildOptions& options = {});

}  // namespace orvane::testing
