#include "check/problems.h"

#include <unordered_map>

#include "check/fit.h"
#include "check/old_names.h"
#include "check/text_check.h"
#include "check/unwritable.h"
#include "compression/dictionary_budget.h"
#include "layout.h"
#include "check/glossary_terms.h"
#include "rom/display_form.h"

namespace orvane {

namespace {

ProblemKind KindOf(TextFault fault) {
  switch (fault) {
    case TextFault::Character: return ProblemKind::Character;
    case TextFault::Escape: return ProblemKind::Escape;
    case TextFault::TooLong: break;
  }
  return ProblemKind::TooLong;
}

// The first text of a bank that would not be written whole: where its bytes pass the bank's end.
void AddBankOverflow(const Document& doc, const Encoder& encoder, const AreaFit& area, int32_t bank,
                     std::vector<ProblemRow>& rows) {
  int64_t used = 0;
  for (const TextPlace& place : DialoguePlaces(doc, bank)) {
    used += DialogueTextBytes(encoder, WorkingText(doc, place));
    if (used <= area.capacity) continue;
    rows.push_back({ProblemKind::Overflow, place, PlaceName(place),
                    area.name + " is " + std::to_string(-area.free()) + " bytes too full: this text and the " +
                        std::to_string(doc.BankInfo[bank].TextCount - place.index) + " after it would not be written"});
    return;
  }
}

int64_t Key(const TextPlace& place) { return int64_t{place.bank} << 32 | place.index; }

}  // namespace

std::string_view KindName(ProblemKind kind) {
  switch (kind) {
    case ProblemKind::Character: return "Character";
    case ProblemKind::Escape: return "Escape";
    case ProblemKind::Lines: return "Lines";
    case ProblemKind::TooLong: return "Too long";
    case ProblemKind::Overflow: return "Overflow";
    case ProblemKind::Dictionary: return "Dictionary";
    case ProblemKind::ReadBack: return "Read-back";
    case ProblemKind::OldName: return "Old name still used";
    case ProblemKind::TermNotUsed: return "Term not used";
    case ProblemKind::Spelling: break;
  }
  return "Spelling";
}

bool IsAdvice(ProblemKind kind) {
  return kind == ProblemKind::OldName || kind == ProblemKind::TermNotUsed || kind == ProblemKind::Spelling;
}

std::vector<ProblemRow> FindProblems(const Document& doc) {
  std::vector<ProblemRow> rows;
  const FitReport fit = MeasureFit(doc);
  const int32_t used = UsedMemory(ReadDictionary(doc));
  if (OverBudget(used))
    rows.push_back({ProblemKind::Dictionary, std::nullopt, "dictionary",
                    "takes " + std::to_string(used) + " of its " + std::to_string(kDictionaryBudget) + " bytes"});
  for (const OverflowNote& note : fit.overflows) {
    // A name cut to its record is listed with the names over their limits.
    if (note.cut) continue;
    if (!note.place) rows.push_back({ProblemKind::Dictionary, std::nullopt, "dictionary", note.text});
    else rows.push_back({ProblemKind::Overflow, note.place, PlaceName(*note.place), "does not fit into its area"});
  }
  const Encoder encoder = SaveEncoder(doc);
  for (int32_t bank = 1; bank <= kBankCount; ++bank)
    if (!fit.banks[static_cast<size_t>(bank - 1)].fits)
      AddBankOverflow(doc, encoder, fit.banks[static_cast<size_t>(bank - 1)], bank, rows);

  // The fit has encoded every dialogue text already: only those it could not encode, and those
  // with a brace group (a {00} would end them early), are looked at again.
  std::unordered_map<int64_t, const TextFailure*> failures;
  for (const TextFailure& failure : fit.unencodable) failures.emplace(Key(failure.place), &failure);
  const TextCheck check(doc);
  for (const TextPlace& place : AllPlaces(doc)) {
    const std::string& text = WorkingText(doc, place);
    const bool dialogue = place.list == TextList::Dialogue;
    const auto failure = dialogue ? failures.find(Key(place)) : failures.end();
    if (!dialogue || failure != failures.end() || text.find('{') != std::string::npos) {
      // The fit names every character of a dialogue text the table has no code for, not only the first.
      if (const std::optional<TextProblem> fault = check.Fault(place.list, text))
        rows.push_back({KindOf(fault->fault), place, PlaceName(place),
                        fault->fault == TextFault::Character && failure != failures.end() ? failure->second->reason
                                                                                          : fault->reason});
      else if (failure != failures.end())
        rows.push_back({ProblemKind::Character, place, PlaceName(place), failure->second->reason});
    }
    // Fewer characters than a line may hold give neither too many lines nor too long a line.
    if (!dialogue || text.size() <= kMaxEditorLineLength) continue;
    if (std::string cut = SaveCutReason(PaneLines(text)); !cut.empty())
      rows.push_back({ProblemKind::Lines, place, PlaceName(place), std::move(cut)});
  }
  return rows;
}

std::vector<ProblemRow> ReadBackProblems(const Document& doc, const std::vector<ReadBackRow>& rows) {
  const auto places = PlacesByName(doc);
  std::vector<ProblemRow> problems;
  for (const ReadBackRow& row : rows) {
    const auto place = places.find(row.place);
    problems.push_back({ProblemKind::ReadBack,
                        place == places.end() ? std::nullopt : std::optional<TextPlace>(place->second), row.place,
                        "reads back as \"" + row.read + "\" instead of \"" + row.expected + "\""});
  }
  return problems;
}

void AddTableFileAdvice(std::string_view tableFile, std::vector<ProblemRow>& rows) {
  const std::string advice = TableFileAdvice(tableFile);
  for (ProblemRow& row : rows)
    if (row.kind == ProblemKind::Character) row.reason += ". " + advice;
}

void AddAdvice(const Document& doc, SpellingScan* spelling, std::vector<ProblemRow>& rows) {
  for (const OldNameUse& use : FindOldNames(doc)) {
    const std::string name = PlaceName(use.name);
    std::string reason = use.oldStillThere
                             ? "still says \"" + use.oldName + "\": " + name + " is now \"" + use.newName + "\""
                             : "lacks \"" + use.newName + "\": " + name + " was \"" + use.oldName + "\"";
    rows.push_back({ProblemKind::OldName, use.text, PlaceName(use.text), std::move(reason)});
  }
  for (const UnusedTerm& unused : FindUnusedTerms(doc, doc.Progress.glossary))
    rows.push_back({ProblemKind::TermNotUsed, unused.text, PlaceName(unused.text),
                    "lacks \"" + unused.term.target + "\" for \"" + unused.term.source + "\""});
  if (!spelling) return;
  for (const Misspelling& miss : spelling->run(doc))
    rows.push_back({ProblemKind::Spelling, miss.place, PlaceName(miss.place),
                    "\"" + miss.word + "\" is not in the dictionary, the names or the word list"});
}

}  // namespace orvane
