// The "Save Project" and "Load Project" menu commands around the file operations.

#include "project/project_file.h"
#include "project/project_format.h"

namespace orvane {

namespace {
constexpr const char* kFilter = "Orvane Projektdatei|*.ovp";

ProjectOutcome Settle(Workspace& workspace, const std::string& path, ProjectOutcome outcome) {
  if (outcome != ProjectOutcome::Done) return outcome;
  workspace.projectPath = path;
  workspace.Geaendert = false;
  return outcome;
}

}  // namespace

ProjectOutcome SaveProject(Document& doc, Workspace& workspace, FileChooser& chooser, Prompter& prompter,
                           ProgressSink& progress) {
  const auto path = chooser.choose({"Projekt speichern...", kFilter, "", true, true, WorkFolder(workspace)});
  if (!path) return ProjectOutcome::Cancelled;
  return Settle(workspace, *path, SaveProjectFile(doc, *path, prompter, progress));
}

ProjectOutcome LoadProject(Document& doc, Workspace& workspace, FileChooser& chooser, Prompter& prompter,
                           ProgressSink& progress) {
  // Choosing the command already counts as a load for the dictionary: the next ROM save optimises.
  doc.TabelleGeaendert = false;
  const auto path = chooser.choose({"Projekt laden...", kFilter, "", false, true, WorkFolder(workspace)});
  if (!path) {
    progress.progress(0, project::ProgressTotal(doc));
    return ProjectOutcome::Cancelled;
  }
  return Settle(workspace, *path, LoadProjectFile(doc, *path, prompter, progress));
}

}  // namespace orvane
