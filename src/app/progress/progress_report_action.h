#pragma once
// File > "Progress Report…": the report page of the texts in the editor, written where the user
// chooses, so the team sees how far the translation is without opening the editor.

#include <string>

#include "common/file_chooser.h"
#include "common/prompter.h"
#include "document.h"

namespace orvane::progress {

void SaveProgressReport(const Document& doc, const std::string& projectName, FileChooser& chooser,
                        Prompter& prompter);

}  // namespace orvane::progress
