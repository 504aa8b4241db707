#include "workspace.h"

namespace orvane {

void WorkspaceChanges::Commit(DocumentChange change) {
  change.apply(doc_);
  if (change.marksModified() && !change.empty()) workspace_.Geaendert = true;
}

}  // namespace orvane
