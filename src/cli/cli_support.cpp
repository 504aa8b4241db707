#include "cli_support.h"

#include <algorithm>
#include <cstdio>

#include "common/cp1252.h"
#include "common/file_helpers.h"
#include "common/progress_sink.h"
#include "common/run_error.h"
#include "common/text_helpers.h"
#include "project/companion_file.h"
#include "project/project_file.h"
#include "rom/game_check.h"

namespace orvane::cli {

namespace {

bool Contains(const std::vector<std::string>& list, const std::string& item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

// The text as the terminal shows it: CR LF as a line break, every other byte that is not printable
// ASCII (a lone CR, a NUL, a byte above 0x7E) as its {hh} escape.
std::string Printable(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<uint8_t>(text[i]);
    if (text.compare(i, 2, kCrLf) == 0) out += '\n', ++i;
    else if (byte < 0x20 || byte > 0x7E) out += HexEscape(byte);
    else out += text[i];
  }
  return out;
}

std::optional<ParsedArgs> Mistake(const Command& command, const std::string& what) {
  std::fprintf(stderr, "orvane-cli %.*s: %s\n", static_cast<int>(command.name.size()), command.name.data(),
               what.c_str());
  PrintUsage(command, stderr);
  return std::nullopt;
}

const char* AnswerName(Answer answer) {
  switch (answer) {
    case Answer::Ok: return "OK";
    case Answer::Cancel: return "Cancel";
    case Answer::Yes: return "Yes";
    case Answer::No: return "No";
  }
  return "";
}

}  // namespace

std::string ShownText(std::string_view cp1252) {
  std::string escaped;
  for (const char c : cp1252) {
    const auto byte = static_cast<uint8_t>(c);
    const bool control = byte < 0x20 || byte == 0x7F;
    const bool unassigned = byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
    if (control || unassigned) escaped += HexEscape(byte);
    else escaped += c;
  }
  return Cp1252ToUtf8(escaped);
}

std::string ShownUtf8(std::string_view utf8) {
  std::string shown;
  for (size_t i = 0; i < utf8.size(); ++i) {
    const auto byte = static_cast<uint8_t>(utf8[i]);
    const auto next = i + 1 < utf8.size() ? static_cast<uint8_t>(utf8[i + 1]) : 0;
    if (byte < 0x20 || byte == 0x7F) shown += HexEscape(byte);
    else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) shown += HexEscape(next), ++i;
    else shown += utf8[i];
  }
  return shown;
}

int Fail(const Command& command, const std::string& what) {
  std::fprintf(stderr, "orvane-cli %.*s: %s\n", static_cast<int>(command.name.size()), command.name.data(),
               ShownUtf8(what).c_str());
  return kExitFailed;
}

int RunGuarded(const Command& command, const std::function<int()>& work) {
  try {
    return work();
  } catch (const RunError& error) {
    Fail(command, "Error Nr. " + std::to_string(error.number()) + ": " + error.description());
    if (!error.place().empty()) std::fprintf(stderr, "  at %s\n", Printable(error.place()).c_str());
    return kExitFailed;
  } catch (const std::runtime_error& refused) {
    return Fail(command, refused.what());
  }
}

std::optional<int32_t> BankOption(const Command& command, const ParsedArgs& parsed) {
  const auto value = parsed.value("--bank");
  if (!value) return 0;
  const std::optional<int32_t> bank = ParseNumber<int32_t>(*value);
  if (bank && *bank >= 1 && *bank <= kBankCount) return bank;
  UsageMistake(command, "--bank takes a bank number from 1 to 21, not " + *value);
  return std::nullopt;
}

int UsageMistake(const Command& command, const std::string& what) {
  Mistake(command, what);
  return kExitUsage;
}

int RefuseSameFiles(const Command& command, const std::vector<std::pair<NamedFile, NamedFile>>& apart) {
  for (const auto& [output, other] : apart)
    if (!output.path.empty() && !other.path.empty() && SameFile(output.path, other.path))
      return UsageMistake(command, std::string(output.name) + " and " + std::string(other.name) + " are the same file");
  return kExitOk;
}

std::vector<std::pair<NamedFile, NamedFile>> ProjectOutputApart(const std::string& out,
                                                                const std::vector<NamedFile>& inputs,
                                                                const NamedFile& replaceable) {
  const NamedFile project{"-o", out}, companion{"the progress file of -o", CompanionPath(out)};
  std::vector<std::pair<NamedFile, NamedFile>> apart{{companion, project}, {companion, replaceable}};
  for (const NamedFile& input : inputs) apart.insert(apart.end(), {{project, input}, {companion, input}});
  return apart;
}

bool LoadProjectQuietly(Document& doc, const std::string& path) {
  // A run without a user stops at the first error instead of going on past it.
  StderrPrompter prompter(Answer::No);
  SilentProgress progress;
  return LoadProjectFile(doc, path, prompter, progress) == ProjectOutcome::Done;
}

void PrintUsage(const Command& command, std::FILE* out) {
  std::fprintf(out, "usage: orvane-cli %.*s %.*s\n", static_cast<int>(command.name.size()), command.name.data(),
               static_cast<int>(command.usage.size()), command.usage.data());
}

std::optional<std::string> ParsedArgs::value(const std::string& option) const {
  const auto found = values.find(option);
  if (found == values.end()) return std::nullopt;
  return found->second;
}

std::optional<ParsedArgs> ParseArgs(const Command& command, const std::vector<std::string>& args,
                                    const OptionSpec& options, size_t positionals,
                                    const std::vector<std::string>& required) {
  ParsedArgs parsed;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (Contains(options.withValue, arg)) {
      if (i + 1 >= args.size() || args[i + 1].empty()) return Mistake(command, arg + " needs a value");
      if (!parsed.values.emplace(arg, args[++i]).second) return Mistake(command, arg + " given twice");
    } else if (Contains(options.flags, arg)) {
      if (!parsed.flags.insert(arg).second) return Mistake(command, arg + " given twice");
    } else if (arg.size() > 1 && arg[0] == '-') {
      return Mistake(command, "unknown option " + arg);
    } else {
      parsed.positional.push_back(arg);
    }
  }
  for (const std::string& option : required)
    if (!parsed.values.count(option)) return Mistake(command, option + " is missing");
  if (parsed.positional.size() != positionals) return Mistake(command, "wrong number of arguments");
  return parsed;
}

Answer StderrPrompter::ask(const Message& message) {
  const Answer answer = IsForeignImageQuestion(message) ? (force_ ? Answer::Yes : Answer::No)
                        : message.buttons == Buttons::YesNo ? questionAnswer_
                                                            : message.defaultAnswer;
  const std::string title = Printable(message.title), text = Printable(message.text);
  if (message.buttons == Buttons::Ok) {
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
  } else {
    std::fprintf(stderr, "%s: %s [%s]\n", title.c_str(), text.c_str(), AnswerName(answer));
  }
  if (!message.place.empty()) std::fprintf(stderr, "  at %s\n", Printable(message.place).c_str());
  return answer;
}

}  // namespace orvane::cli
