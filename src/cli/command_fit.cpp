// orvane-cli fit: how much room the project's texts would take in the ROM with its current
// dictionary, per dialogue bank and name area, without writing any file.

#include <cstdio>

#include "cli_support.h"
#include "common/progress_sink.h"
#include "common/run_error.h"
#include "compression/dictionary_budget.h"
#include "project/project_file.h"
#include "rom/layout.h"
#include "writer/encoder.h"
#include "writer/save_procedure.h"
#include "writer/write_context.h"

namespace orvane::cli {

extern const Command kFitCommand;

namespace {

// Keeps the writers' messages for the end of the report. Space messages go on with the next bank
// and error questions stop, as a save would when the answer is the safe one.
class CollectingPrompter : public Prompter {
 public:
  Answer ask(const Message& message) override {
    std::string text;
    for (char c : message.text) text += c == '\r' ? ' ' : c == '\n' ? ' ' : c;
    messages.push_back(message.title + ": " + text);
    if (message.buttons == Buttons::OkCancel) return Answer::Ok;
    return message.buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
  }
  std::vector<std::string> messages;
};

void PrintArea(const std::string& name, int64_t used, int64_t capacity, bool fits) {
  std::printf("%-12s %6lld of %6lld bytes, free %6lld%s\n", name.c_str(), static_cast<long long>(used),
              static_cast<long long>(capacity), static_cast<long long>(capacity - used), fits ? "" : "  DOES NOT FIT");
}

void PrintArea(const std::string& name, int64_t used, int64_t capacity) {
  PrintArea(name, used, capacity, used <= capacity);
}

// Codes and terminators of a bank's texts; a text that cannot be encoded is named in `problems`.
int64_t BankBytes(const Document& doc, const Encoder& encoder, int bank, std::vector<std::string>& problems) {
  int64_t bytes = 0;
  std::vector<uint8_t> codes;
  for (int32_t t = 1; t <= doc.BankInfo[bank].TextCount; ++t) {
    codes.clear();
    const std::string where = "bank " + std::to_string(bank) + " text " + std::to_string(t);
    try {
      if (const auto unknown = encoder.KodiereDialog(doc.Texte[bank][t].Aktuell, codes))
        problems.push_back(where + ": unknown character \"" + *unknown + "\"");
    } catch (const RunError& error) {
      problems.push_back(where + ": " + error.what());
    }
    bytes += static_cast<int64_t>(codes.size()) + 1;
  }
  return bytes;
}

int RunFit(const std::vector<std::string>& args) {
  const auto parsed = ParseArgs(kFitCommand, args, {}, 1);
  if (!parsed) return kExitUsage;
  Document doc;
  StderrPrompter loadPrompter(Answer::No);
  SilentProgress progress;
  if (LoadProjectFile(doc, parsed->positional[0], loadPrompter, progress) != ProjectOutcome::Done) return kExitFailed;

  // The writers run as a save would, into an image that is thrown away.
  RomImage scratch(std::vector<uint8_t>(kFullImageSize, 0));
  CollectingPrompter prompter;
  WriteContext ctx{doc, scratch, prompter, progress};
  ctx.progressTotal = SaveProgressTotal(doc);
  BerechneMaxLaengen(doc);
  doc.Kodiertabelle = doc.Tabelle[1];
  SchreibeWoerterbuch(ctx);

  // The dictionary as its window counts it; whether it fits is the writer's verdict, which knows that
  // an entry holding an escape (an empty entry read back from a project) is written shorter.
  const bool dictionaryFits = ctx.overflowNotes.empty();
  PrintArea("dictionary", UsedMemory(ReadDictionary(doc)), kDictionaryBudget, dictionaryFits);
  bool fits = dictionaryFits;
  const Encoder encoder = MakeEncoder(ctx);
  std::vector<std::string> problems;
  for (int bank = 1; bank <= kBankCount; ++bank) {
    const BankRecord& record = doc.BankInfo[bank];
    const int64_t used = BankBytes(doc, encoder, bank, problems);
    const int64_t capacity = record.DataEnd - record.DataStart + 1;
    PrintArea("bank " + std::to_string(bank), used, capacity);
    fits = fits && used <= capacity;
  }

  SchreibeNamenstabellen(ctx);
  const int64_t titles = doc.TitelDatenEnde - doc.TitelDatenStart;
  const int64_t locations = doc.StadtDatenEnde - doc.StadtDatenStart;
  const int64_t itemInfos = kItemInfoDataLast - kItemInfoData + 1;
  PrintArea("save titles", titles - ctx.titlesFree, titles);
  PrintArea("locations", locations - ctx.locationsFree, locations);
  PrintArea("item infos", itemInfos - ctx.itemInfoFree, itemInfos);

  for (const auto& list : {problems, ctx.overflowNotes, prompter.messages})
    for (const auto& line : list) std::fprintf(stderr, "%s\n", line.c_str());
  fits = fits && problems.empty() && ctx.overflowNotes.empty() && prompter.messages.empty();
  return fits ? kExitOk : kExitFailed;
}

}  // namespace

const Command kFitCommand{"fit", "PROJECT.ovp",
                          "Shows the room the project's texts take in each ROM area with its dictionary", &RunFit};

}  // namespace orvane::cli
