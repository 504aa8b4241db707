// PO export: the header, then one entry per dialogue text and per name in place order.

#include "check/text_check.h"
#include "common/cp1252.h"
#include "common/text_helpers.h"
#include "exchange/po_exchange.h"
#include "exchange/po_file.h"
#include "progress/translation_progress.h"

namespace orvane {

namespace {

// The project's name comes from a file name, which may be in an 8-bit encoding rather than UTF-8.
std::string Header(const PoExportParams& params) {
  const std::string date = params.creationDate.empty() ? LocalTimeText("%Y-%m-%d %H:%M%z") : params.creationDate;
  const std::string& name = params.projectName;
  return "Project-Id-Version: " + (IsUtf8(name) ? name : Cp1252ToUtf8(name)) + "\n" +
         "POT-Creation-Date: " + date + "\n" + "PO-Revision-Date: " + date + "\n" +
         "Last-Translator: \n"
         "Language-Team: \n" +
         "Language: " + params.language + "\n" +
         "MIME-Version: 1.0\n"
         "Content-Type: text/plain; charset=UTF-8\n"
         "Content-Transfer-Encoding: 8bit\n"
         "X-Generator: Orvane Texteditor\n";
}

// "14 bytes", "6 bytes, at most 10 characters"
std::string SizeComment(const TextCheck& check, TextList list, const std::string& text) {
  const std::optional<int32_t> bytes = check.Bytes(list, text);
  std::string comment = bytes ? std::to_string(*bytes) + " bytes" : "size unknown: a brace group is no escape";
  if (const int32_t limit = NameLimit(list); limit > 0) comment += ", at most " + std::to_string(limit) + " characters";
  return comment;
}

std::vector<TextPlace> Selected(const Document& doc, const PoExportParams& params) {
  std::vector<TextPlace> places;
  if (params.only != PoSelection::Names) places = DialoguePlaces(doc, params.bank);
  if (params.only != PoSelection::Dialogue && params.bank == 0) {
    const std::vector<TextPlace> names = NamePlaces();
    places.insert(places.end(), names.begin(), names.end());
  }
  return places;
}

}  // namespace

size_t ExportPo(const Document& doc, const std::string& path, const PoExportParams& params) {
  const TextCheck check(doc);
  std::vector<PoEntry> entries;
  for (const TextPlace& place : Selected(doc, params)) {
    const std::string& working = WorkingText(doc, place);
    // Dialogue is translated from the text the ROM had; a name has no such original.
    const std::string& source = OriginalText(doc, place);
    PoEntry entry;
    entry.hasContext = true;
    entry.context = PlaceName(place);
    entry.msgid = PoText(source);
    if (working != source) entry.msgstr = PoText(working);
    entry.extractedComment = SizeComment(check, place.list, working);
    if (place.list == TextList::Dialogue) {
      const TextProgress& progress = ProgressOf(doc, place.bank, place.index);
      entry.translatorComment = PoText(progress.note);
      entry.fuzzy = progress.status == TextStatus::Draft;
    }
    entries.push_back(std::move(entry));
  }
  WritePoFile(path, Header(params), entries);
  return entries.size();
}

}  // namespace orvane
