#include "support/cli_runner.h"

#include "support/rom_fixture.h"

#include <sys/wait.h>

#include <cstdlib>

#include "common/file_helpers.h"

namespace orvane::testing {
namespace {

std::string ShellQuoted(const std::string& arg) {
  std::string quoted = "'";
  for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& scratchFolder) {
  const std::string outPath = scratchFolder + "stdout.txt";
  const std::string errPath = scratchFolder + "stderr.txt";
  std::string command = ShellQuoted(program);
  for (const std::string& arg : args) command += " " + ShellQuoted(arg);
  command += " >" + ShellQuoted(outPath) + " 2>" + ShellQuoted(errPath);
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFileText(outPath), ReadFileText(errPath)};
}

}  // namespace orvane::testing
