#pragma once
// Recovery copies: the project as the editor held it, written now and then into a folder of its
// own while there are unsaved changes, so that a crash or a kill loses at most the last minute.
// A copy is a project file and its progress file in the usual formats, plus a record of the project
// it stands for and when it was written. It never replaces the project's own files.

#include <cstdint>
#include <optional>
#include <string>

#include "common/prompter.h"
#include "document.h"

namespace orvane {

struct RecoveryCopy {
  std::string projectFile;   // FOLDER/NAME.ovp; its progress file lies beside it
  std::string originalPath;  // the project file it stands for; empty for a project never saved
  int64_t writtenAt = 0;     // seconds since 1970-01-01 UTC
};

// The record of a copy: "FOLDER/NAME.ovp" -> "FOLDER/NAME.ovr".
std::string RecoveryRecordPath(const std::string& projectFile);

// Where the next copy of the project at `projectPath` goes: FOLDER/NAME.ovp ("Untitled" for a
// project without a file), or NAME-2, NAME-3 ... while a copy of that name is there already, so
// that an earlier session's copy that was not recovered yet is never written over.
std::string FreeRecoveryFile(const std::string& folder, const std::string& projectPath);

// A copy put together in memory. Preparing takes a few milliseconds on the editor's thread; the
// writing, which waits for the disk, can happen on another one.
struct RecoveryFiles {
  RecoveryCopy copy;
  std::string project, progress, record;
};
RecoveryFiles PrepareRecoveryCopy(const Document& doc, const std::string& projectFile,
                                  const std::string& originalPath, int64_t writtenAt);

// Writes the copy (its folder is made when missing): project, progress file and record replaced as
// one. Throws RunError, also when the copy would replace the project itself.
void WriteRecoveryFiles(const RecoveryFiles& files);

// The newest copy in `folder`; records that cannot be read are passed over.
std::optional<RecoveryCopy> FindRecoveryCopy(const std::string& folder);

// Replaces the document with the copy. A copy that cannot be read whole is refused with one message
// naming its file, and the document stays as it was.
bool LoadRecoveryCopy(Document& doc, const RecoveryCopy& copy, Prompter& prompter);

// Removes the copy's files; what is not there any more is no error.
void RemoveRecoveryCopy(const RecoveryCopy& copy);

}  // namespace orvane
