#pragma once
// What the commands of orvane-cli share: the command record, the exit codes, argument parsing and
// a prompter that prints the program's messages to stderr.

#include <charconv>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "common/prompter.h"
#include "document.h"

namespace orvane::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // the operation did not finish
inline constexpr int kExitUsage = 2;   // the command line was wrong
inline constexpr int kExitUnreadable = 3;  // diff: a project could not be read

struct Command {
  std::string_view name;
  std::string_view usage;    // the arguments after the name
  std::string_view summary;  // one line for --help
  int (*run)(const std::vector<std::string>& args);  // the arguments after the name; the exit code
};

// Prints "usage: orvane-cli NAME USAGE" to `out`.
void PrintUsage(const Command& command, std::FILE* out);

// The options a command knows.
struct OptionSpec {
  std::vector<std::string> withValue;  // "-o", "--table": the next argument is the value
  std::vector<std::string> flags;      // "--edited-v095"
};

struct ParsedArgs {
  std::vector<std::string> positional;
  std::map<std::string, std::string> values;
  std::set<std::string> flags;

  std::optional<std::string> value(const std::string& option) const;
  bool flag(const std::string& name) const { return flags.count(name) != 0; }
};

// Nothing when the arguments do not fit `options` (an unknown option, a missing value, an option
// given twice, not `positionals` plain arguments, a missing required option); the mistake and the
// usage are then printed to stderr.
std::optional<ParsedArgs> ParseArgs(const Command& command, const std::vector<std::string>& args,
                                    const OptionSpec& options, size_t positionals,
                                    const std::vector<std::string>& required = {});

// A whole option value as a number of type T; nothing when any character is left over or it is out of T's range.
template <typename T>
std::optional<T> ParseNumber(const std::string& text) {
  T value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// The value of --bank: 0 when it is absent; nothing, after the usage mistake is printed, when it is
// not a bank number 1..21.
std::optional<int32_t> BankOption(const Command& command, const ParsedArgs& parsed);

// Texts from files as a terminal may show them: every control character (C0, DEL and C1, which
// could move the cursor, clear the screen or retitle the window) and every byte no character stands
// for as its {hh} escape, so that one text stays on its one line. Of 8-bit text (the result UTF-8):
std::string ShownText(std::string_view cp1252);
// and of UTF-8 text:
std::string ShownUtf8(std::string_view utf8);

// "orvane-cli NAME: what" on stderr, `what` shown as ShownUtf8 does; returns kExitFailed.
int Fail(const Command& command, const std::string& what);

// Runs `work` and returns its exit code; a RunError ("Error Nr. N: ...") or a refusal of the core
// (any other runtime_error) is printed as Fail does it.
int RunGuarded(const Command& command, const std::function<int()>& work);

// "orvane-cli NAME: what" and the usage on stderr; returns kExitUsage.
int UsageMistake(const Command& command, const std::string& what);

// A file the command line names: its option or placeholder ("-o", "ROM") and its path ("" = not given).
struct NamedFile {
  std::string_view name;
  std::string path;
};
// No output may be the same file as an input of another kind or as another output: each pair names
// an output and a file it must not be. kExitOk when none is, else the usage mistake (kExitUsage).
int RefuseSameFiles(const Command& command, const std::vector<std::pair<NamedFile, NamedFile>>& apart);

// The pairs RefuseSameFiles checks for a command that writes the project `out` (-o): it and its
// progress file are apart from each other and from every input; the project the command read may be
// replaced by -o, but not by -o's progress file.
std::vector<std::pair<NamedFile, NamedFile>> ProjectOutputApart(const std::string& out,
                                                                const std::vector<NamedFile>& inputs,
                                                                const NamedFile& replaceable = {});

// Loads a project file as "Load Project" does, its messages on stderr; false when it did not load.
bool LoadProjectQuietly(Document& doc, const std::string& path);

// Prints every message as "title: text" to stderr. Questions get a fixed answer per command
// (printed after them), the question whether to open or write an image that does not look like the
// game's Yes only with `force` (--force); one-button messages are acknowledged.
class StderrPrompter : public Prompter {
 public:
  explicit StderrPrompter(Answer questionAnswer, bool force = false) : questionAnswer_(questionAnswer), force_(force) {}
  Answer ask(const Message& message) override;

 private:
  Answer questionAnswer_;
  bool force_;
};

}  // namespace orvane::cli
