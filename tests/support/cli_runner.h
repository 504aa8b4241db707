#pragma once
// Runs a program with arguments through the shell and collects its exit code and both streams.

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/rom_fixture.h"

namespace orvane::testing {

struct ProgramResult {
  int exitCode = -1;
  std::string out, err;
};

// The streams are kept in files inside `scratchFolder` (a path ending in a separator).
inline ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                                const std::string& scratchFolder) {
  const auto quoted = [](const std::string& arg) {
    std::string q = "'";
    for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
  };
  const std::string out = scratchFolder + "stdout.txt", err = scratchFolder + "stderr.txt";
  std::string command = quoted(program);
  for (const std::string& arg : args) command += " " + quoted(arg);
  const int status = std::system((command + " >" + quoted(out) + " 2>" + quoted(err)).c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFileText(out), ReadFileText(err)};
}

}  // namespace orvane::testing
