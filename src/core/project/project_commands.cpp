// The "Save Project" and "Load Project" menu commands around the file operations.

#include "project/project_file.h"
#include "project/project_format.h"

namespace orvane {

namespace {
constexpr const char* kFilter = "Orvane Projektdatei|*.ovp";
}

ProjectOutcome SaveProject(Document& doc, FileChooser& chooser, Prompter& prompter, ProgressSink& progress) {
  const auto path = chooser.choose({"Projekt speichern...", kFilter, "", true});
  if (!path) return ProjectOutcome::Cancelled;
  return SaveProjectFile(doc, *path, prompter, progress);
}

ProjectOutcome LoadProject(Document& doc, FileChooser& chooser, Prompter& prompter, ProgressSink& progress) {
  // Choosing the command already counts as a load for the dictionary: the next ROM save optimises.
  doc.TabelleGeaendert = false;
  const auto path = chooser.choose({"Projekt laden...", kFilter, "", false});
  if (!path) {
    progress.progress(0, project::ProgressTotal(doc));
    return ProjectOutcome::Cancelled;
  }
  return LoadProjectFile(doc, *path, prompter, progress);
}

}  // namespace orvane
