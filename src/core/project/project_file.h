#pragma once
// Project files (".ovp"): the whole document without a ROM — the decode table, every dialogue
// text in its working and decoded form, and all name lists — as 11284 CR LF lines of 8-bit text.

#include <string>

#include "common/file_chooser.h"
#include "common/progress_sink.h"
#include "common/prompter.h"
#include "document.h"
#include "workspace.h"

namespace orvane {

enum class ProjectOutcome {
  Done,          // the file was written / the document replaced
  Cancelled,     // the user cancelled the file dialog
  WrongVersion,  // the first line is not the project header
  Corrupt,       // a section header is missing; what was read before it stays
  Stopped,       // an error was answered with No (or the file could not be written)
};

// The project file's bytes for the document, as a save writes them.
std::string ProjectText(const Document& doc, ProgressSink& progress);

// Writes the document into `path`, built in memory first so that an existing file survives a failed
// write.
ProjectOutcome SaveProjectFile(Document& doc, const std::string& path, Prompter& prompter,
                               ProgressSink& progress);

// Replaces the table, the texts and the name lists with the content of `path`.
ProjectOutcome LoadProjectFile(Document& doc, const std::string& path, Prompter& prompter,
                               ProgressSink& progress);

// The "Save Project" and "Load Project" commands: the file dialog, then the file operation. A file
// written or read to its end becomes the workspace's project, with no changes left unsaved.
ProjectOutcome SaveProject(Document& doc, Workspace& workspace, FileChooser& chooser, Prompter& prompter,
                           ProgressSink& progress);
ProjectOutcome LoadProject(Document& doc, Workspace& workspace, FileChooser& chooser, Prompter& prompter,
                           ProgressSink& progress);

}  // namespace orvane
