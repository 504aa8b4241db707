// PO import: every entry is checked before anything is written. An entry is refused for an unknown
// place, a msgid that no longer matches the project, a text the table cannot write or a name over
// its limit. A dialogue text that gets a translation from an entry counts as translated; one that
// gets it from a fuzzy entry changed as any edit does (see AddTextEdit). An entry that brings the text
// the place already holds moves nothing: a flag alone says nothing about the text.

#include <gettext-po.h>

#include <cstdlib>
#include <unordered_map>

#include "check/text_check.h"
#include "exchange/po_exchange.h"
#include "exchange/po_file.h"
#include "layout.h"
#include "progress/translation_progress.h"

namespace orvane {

namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return text;
}

// A file in another character set would be read as if it were UTF-8. The name is compared whole:
// "utf-8x" is no UTF-8.
bool DeclaresUtf8(const std::string& header) {
  char* contentType = po_header_field(header.c_str(), "Content-Type");
  const std::string value = contentType ? Lower(contentType) : "";
  std::free(contentType);
  const size_t charset = value.find("charset=");
  if (charset == std::string::npos) return true;
  const size_t start = charset + 8;
  const std::string name = value.substr(start, value.find_first_of("; \t", start) - start);
  return name == "utf-8" || name == "utf8" || name == "ascii" || name == "us-ascii";
}

// Every byte a text is written as takes at least one character of its working form and at most a
// four-character escape; a text longer than this cannot fit any text area, however it is written.
constexpr size_t kLongestText = 4 * static_cast<size_t>(LargestTextArea());

class EntryCheck {
 public:
  EntryCheck(const Document& doc, PoImportPlan& plan)
      : doc_(doc), check_(doc), places_(PlacesByName(doc)), plan_(plan) {}

  void Take(const PoEntry& entry) {
    if (entry.fuzzy) ++plan_.fuzzy;
    const auto found = places_.find(entry.context);
    if (!entry.hasContext || found == places_.end()) return Refuse(entry, "no text has this place");
    const TextPlace& place = found->second;
    if (const auto [first, fresh] = firstLine_.emplace(entry.context, entry.line); !fresh)
      return Refuse(entry, "the place appears a second time (first on line " + std::to_string(first->second) + ")");
    if (entry.plural) return Refuse(entry, "plural forms (msgid_plural) are not used by the game's texts");
    const std::optional<std::string> source = BytesFromPo(entry.msgid);
    if (!source || *source != OriginalText(doc_, place))
      return Refuse(entry, "the source text changed: the project has \"" + PoText(OriginalText(doc_, place)) + "\"");
    if (entry.msgstr.empty()) {
      ++plan_.unchanged;
      return;
    }
    std::string refused;
    const std::optional<std::string> text = BytesFromPo(entry.msgstr, &refused);
    if (!text) return Refuse(entry, "the character \"" + refused + "\" is not in the game's character set");
    if (text->size() > kLongestText)
      return Refuse(entry, "longer than any text area (" + std::to_string(text->size()) + " characters; the largest "
                           "area holds " + std::to_string(LargestTextArea()) + " bytes)");
    // The check speaks of the text's own bytes; findings are UTF-8 like the file.
    if (const std::optional<std::string> problem = check_.Problem(place.list, *text))
      return Refuse(entry, PoText(*problem));
    if (*text == WorkingText(doc_, place)) {
      ++plan_.unchanged;
      return;
    }
    plan_.changes.push_back({place, *text, entry.fuzzy});
  }

 private:
  void Refuse(const PoEntry& entry, const std::string& problem) {
    ++plan_.refused;
    plan_.findings.push_back({entry.line, entry.hasContext ? entry.context : "(no msgctxt)", problem});
  }

  const Document& doc_;
  const TextCheck check_;
  const std::unordered_map<std::string, TextPlace> places_;
  std::unordered_map<std::string, size_t> firstLine_;
  PoImportPlan& plan_;
};

}  // namespace

PoImportPlan PlanPoImport(const Document& doc, const std::string& path) {
  const PoReadResult file = ReadPoFile(path);
  PoImportPlan plan;
  for (const PoProblem& problem : file.problems) plan.findings.push_back({problem.line, "", problem.text});
  if (!DeclaresUtf8(file.header)) plan.findings.push_back({0, "", "the file is not in UTF-8 (see its Content-Type)"});
  if (!plan.findings.empty()) {
    plan.fileRefused = true;
    return plan;
  }
  EntryCheck check(doc, plan);
  for (const PoEntry& entry : file.entries) check.Take(entry);
  return plan;
}

DocumentChange PoImportChange(const Document& doc, const PoImportPlan& plan) {
  DocumentChange change("Import translation");
  for (const PoImportedText& imported : plan.changes) {
    const TextPlace& place = imported.place;
    AddTextEdit(change, doc, place, imported.text);
    if (imported.fuzzy || place.list != TextList::Dialogue) continue;
    // An entry nobody marked fuzzy is a deliberate translation of the text as the edit left it.
    TextProgress after = ProgressOf(doc, place.bank, place.index);
    after.status = NextStatus(
        StatusAfterEdit(after.status, WorkingText(doc, place), imported.text, OriginalText(doc, place)),
        StatusEvent::Import);
    change.setProgress(doc, place.bank, place.index, std::move(after));
  }
  return change;
}

std::string FindingLine(const std::string& fileName, const PoFinding& finding) {
  std::string line = fileName + ":";
  if (finding.line > 0) line += std::to_string(finding.line) + ":";
  if (!finding.place.empty()) line += " " + finding.place + ":";
  return line + " " + finding.problem;
}

std::string ImportSummary(const PoImportPlan& plan) {
  return std::to_string(plan.changes.size()) + " imported, " + std::to_string(plan.unchanged) + " unchanged, " +
         std::to_string(plan.fuzzy) + " fuzzy, " + std::to_string(plan.refused) + " refused";
}

}  // namespace orvane
