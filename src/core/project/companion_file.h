#pragma once
// The companion file NAME.ovs beside a project NAME.ovp: the translation progress as JSON (UTF-8),
// so the project file itself keeps its exact format. Only what a load cannot work out again is
// written: statuses that differ from the derived one, notes, the word list, renamed names and the
// glossary.

#include <optional>
#include <string>
#include <string_view>

#include "common/prompter.h"
#include "document.h"

namespace orvane {

// "texts/demo.ovp" -> "texts/demo.ovs".
std::string CompanionPath(const std::string& projectPath);

// The companion file's text; the project save writes it together with the project.
std::string CompanionText(const Document& doc);

// Reads a companion file's text into the document's progress, on top of a fresh start. On any
// problem the progress stays as it was and the reason comes back.
std::optional<std::string> ReadCompanionText(Document& doc, std::string_view text);

// After a project loaded: a fresh start, then the companion file when there is one. A file that
// cannot be read or understood is reported through `prompter` and left alone.
void LoadCompanion(Document& doc, const std::string& projectPath, Prompter& prompter);

}  // namespace orvane
