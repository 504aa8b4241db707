#pragma once
// The translation exchange with CAT tools through PO files. Export writes one entry per dialogue
// text and per name: msgctxt names the place, msgid is the text as the ROM had it (dialogue) or the
// current name, msgstr the working text where it differs. Import checks every entry first and then
// writes the msgstr texts into the working texts.

#include <cstdint>
#include <string>
#include <vector>

#include "document.h"
#include "document_change.h"
#include "text_places.h"

namespace orvane {

enum class PoSelection { All, Dialogue, Names };

struct PoExportParams {
  PoSelection only = PoSelection::All;
  int32_t bank = 0;          // 1..21: the dialogue of that bank and nothing else
  std::string projectName;   // Project-Id-Version
  std::string language;      // "de", "pt_BR": the translation's language, empty when not known
  std::string creationDate;  // "2024-05-01 12:00+0200"; empty takes the clock
};

// Writes the PO file; returns the number of entries. Throws RunError when it cannot be written.
size_t ExportPo(const Document& doc, const std::string& path, const PoExportParams& params);

struct PoFinding {
  size_t line = 0;    // the entry's line in the PO file (0: the file as a whole)
  std::string place;  // the entry's msgctxt; empty for the file as a whole
  std::string problem;
};

struct PoImportedText {
  TextPlace place;
  std::string text;    // the new working text
  bool fuzzy = false;  // a change like any edit; otherwise the text counts as translated
};

struct PoImportPlan {
  std::vector<PoImportedText> changes;  // in file order
  int32_t unchanged = 0;                // empty msgstr, or the text the place already holds: its status stays
  int32_t fuzzy = 0;                    // entries marked fuzzy
  int32_t refused = 0;                  // entries with a finding
  std::vector<PoFinding> findings;
  bool fileRefused = false;  // the file itself is unusable: nothing may be imported, not even in part
};

// Reads and checks every entry of `path` against the document; changes nothing. Throws RunError
// when the file cannot be read.
PoImportPlan PlanPoImport(const Document& doc, const std::string& path);

// The planned texts and the statuses that follow from them as one change.
DocumentChange PoImportChange(const Document& doc, const PoImportPlan& plan);

// "texts.po:14: bank 3 text 12: the source text changed"
std::string FindingLine(const std::string& fileName, const PoFinding& finding);
// "3 imported, 4711 unchanged, 1 fuzzy, 2 refused"
std::string ImportSummary(const PoImportPlan& plan);

}  // namespace orvane
