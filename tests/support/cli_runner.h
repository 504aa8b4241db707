#pragma once
// Runs a program with arguments through the shell and collects its exit code and both streams.

#include <string>
#include <vector>

namespace orvane::testing {

struct ProgramResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// The streams are kept in files inside `scratchFolder` (a path ending in a separator).
ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& scratchFolder);

}  // namespace orvane::testing
