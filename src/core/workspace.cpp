#include "workspace.h"

#include <filesystem>

#include "common/file_helpers.h"

namespace orvane {

std::string WorkFolder(const Workspace& workspace) {
  const std::string& known = workspace.projectPath.empty() ? workspace.RomPfadGeladen : workspace.projectPath;
  return known.empty() ? std::string() : ParentFolder(known);
}

std::string ProjectFileName(const Workspace& workspace) {
  return workspace.projectPath.empty() ? "Untitled" : std::filesystem::path(workspace.projectPath).filename().string();
}

}  // namespace orvane
